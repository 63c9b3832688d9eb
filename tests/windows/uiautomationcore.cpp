// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A stand-in for UI Automation's core, for the Windows tests under Wine alone (never shipped):
// Wine raises no UI Automation events, so this uiautomationcore.dll, put into a test prefix's
// system32 and chosen there, says that a client listens and writes down every event the program
// raises, with what a screen reader reads of its sender, one JSON object a line, into the file
// that UIA_LOG names. Its export ListenW, run through rundll32 with a part of a caption, is the
// client: it asks that window for its root element, as a reader does when a window comes to the
// front, and the window and its focused element are written down as the start.

#include <windows.h>

#include <oleauto.h>
#include <uiautomationcore.h>

#include <cstdio>
#include <cwchar>
#include <string>

// The two pattern interfaces read here, which MinGW's headers do not declare; outside the
// anonymous namespace, where the compiler would take it that no object of theirs can exist.
struct ValueProvider : IUnknown
{
    virtual HRESULT STDMETHODCALLTYPE SetValue(LPCWSTR value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Value(BSTR *value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_IsReadOnly(BOOL *readOnly) = 0;
};
struct SelectionItemProvider : IUnknown
{
    virtual HRESULT STDMETHODCALLTYPE Select() = 0;
    virtual HRESULT STDMETHODCALLTYPE AddToSelection() = 0;
    virtual HRESULT STDMETHODCALLTYPE RemoveFromSelection() = 0;
    virtual HRESULT STDMETHODCALLTYPE get_IsSelected(BOOL *selected) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_SelectionContainer(IRawElementProviderSimple **c) = 0;
};

namespace {

constexpr IID SimpleId = {
    0xd6dd68d1, 0x86fd, 0x4332, {0x86, 0x66, 0x9a, 0xbe, 0xde, 0xa2, 0xd2, 0x4c}};
constexpr IID FragmentId = {
    0xf7063da8, 0x8359, 0x439c, {0x92, 0x97, 0xbb, 0xc5, 0x29, 0x9a, 0x7d, 0x87}};
constexpr IID FragmentRootId = {
    0x620ce2a5, 0xab8f, 0x40a9, {0x86, 0xcb, 0xde, 0x3c, 0x75, 0x59, 0x9b, 0x58}};
enum : int {
    RootObjectId = -25, // UiaRootObjectId, whose header is C alone
    FocusChangedEvent = 20005,
    ValuePattern = 10002,
    SelectionItemPattern = 10010,
    ControlTypeProperty = 30003,
    LocalizedControlTypeProperty = 30004,
    NameProperty = 30005,
    HelpTextProperty = 30013,
    PositionInSetProperty = 30152,
    SizeOfSetProperty = 30153,
    FullDescriptionProperty = 30159,
};

IRawElementProviderSimple *root = nullptr;

std::string json(BSTR text)
{
    const int length = text ? int(SysStringLen(text)) : 0;
    std::string utf8(std::size_t(length * 3), '\0');
    utf8.resize(std::size_t(WideCharToMultiByte(CP_UTF8, 0, text, length, utf8.data(),
                                                int(utf8.size()), nullptr, nullptr)));
    std::string out = "\"";
    for (const char c : utf8) {
        if (c == '"' || c == '\\')
            out += '\\';
        if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + '"';
}

// A property as JSON: a text, a number, a truth, or null where the element gives none.
std::string property(IRawElementProviderSimple *element, int id)
{
    VARIANT value;
    VariantInit(&value);
    std::string out = "null";
    if (SUCCEEDED(element->GetPropertyValue(id, &value))) {
        if (value.vt == VT_BSTR)
            out = json(value.bstrVal);
        else if (value.vt == VT_I4)
            out = std::to_string(value.lVal);
        else if (value.vt == VT_BOOL)
            out = value.boolVal ? "true" : "false";
    }
    VariantClear(&value);
    return out;
}

// The pattern's own interface, as the element hands it (a reference the caller releases).
template <typename Pattern> Pattern *pattern(IRawElementProviderSimple *element, int id)
{
    IUnknown *provider = nullptr;
    if (FAILED(element->GetPatternProvider(id, &provider)))
        return nullptr;
    return static_cast<Pattern *>(provider);
}

// The element a fragment is, for the caller, which the fragment's reference goes to.
IRawElementProviderSimple *simple(IRawElementProviderFragment *fragment)
{
    IRawElementProviderSimple *element = nullptr;
    if (fragment) {
        fragment->QueryInterface(SimpleId, reinterpret_cast<void **>(&element));
        fragment->Release();
    }
    return element;
}

IRawElementProviderSimple *parentOf(IRawElementProviderSimple *element)
{
    IRawElementProviderFragment *fragment = nullptr;
    if (FAILED(element->QueryInterface(FragmentId, reinterpret_cast<void **>(&fragment))))
        return nullptr;
    IRawElementProviderFragment *parent = nullptr;
    fragment->Navigate(NavigateDirection_Parent, &parent);
    fragment->Release();
    return simple(parent);
}

// What a reader reads of an element: its properties, its Value and SelectionItem patterns, and
// its parents up to the top (a window, for an element the reader will take as the program's).
std::string describe(IRawElementProviderSimple *element)
{
    if (!element)
        return "null";
    std::string out = "{\"name\":" + property(element, NameProperty) +
                      ",\"type\":" + property(element, ControlTypeProperty) +
                      ",\"role\":" + property(element, LocalizedControlTypeProperty) +
                      ",\"description\":" + property(element, FullDescriptionProperty) +
                      ",\"help\":" + property(element, HelpTextProperty) +
                      ",\"position\":" + property(element, PositionInSetProperty) +
                      ",\"size\":" + property(element, SizeOfSetProperty);
    if (auto *value = pattern<ValueProvider>(element, ValuePattern)) {
        BSTR text = nullptr;
        BOOL readOnly = FALSE;
        value->get_Value(&text);
        value->get_IsReadOnly(&readOnly);
        out += ",\"value\":" + json(text) + ",\"readOnly\":" + (readOnly ? "true" : "false");
        SysFreeString(text);
        value->Release();
    }
    if (auto *item = pattern<SelectionItemProvider>(element, SelectionItemPattern)) {
        BOOL selected = FALSE;
        item->get_IsSelected(&selected);
        out += std::string(",\"selected\":") + (selected ? "true" : "false");
        item->Release();
    }
    out += ",\"parents\":[";
    for (IRawElementProviderSimple *at = parentOf(element); at;) {
        out += "{\"name\":" + property(at, NameProperty) +
               ",\"type\":" + property(at, ControlTypeProperty) + "}";
        IRawElementProviderSimple *next = parentOf(at);
        at->Release();
        at = next;
        if (at)
            out += ',';
    }
    return out + "]}";
}

void write(const std::string &line)
{
    wchar_t path[MAX_PATH];
    if (!GetEnvironmentVariableW(L"UIA_LOG", path, MAX_PATH))
        return;
    if (FILE *file = _wfopen(path, L"ab")) {
        std::fputs((line + "\n").c_str(), file);
        std::fclose(file);
    }
}

IRawElementProviderSimple *focusOf(IRawElementProviderSimple *window)
{
    IRawElementProviderFragmentRoot *fragmentRoot = nullptr;
    if (FAILED(window->QueryInterface(FragmentRootId, reinterpret_cast<void **>(&fragmentRoot))))
        return nullptr;
    IRawElementProviderFragment *focus = nullptr;
    fragmentRoot->GetFocus(&focus);
    fragmentRoot->Release();
    return simple(focus);
}

} // namespace

extern "C" {

__declspec(dllexport) BOOL WINAPI UiaClientsAreListening()
{
    return TRUE;
}

__declspec(dllexport) LRESULT WINAPI
    UiaReturnRawElementProvider(HWND, WPARAM, LPARAM lParam, IRawElementProviderSimple *element)
{
    if (LONG(lParam) != RootObjectId || !element || root)
        return 0;
    root = element;
    root->AddRef();
    IRawElementProviderSimple *focus = focusOf(root);
    write("{\"event\":\"start\",\"window\":" + describe(root) + ",\"focus\":" + describe(focus) +
          "}");
    if (focus)
        focus->Release();
    return 0;
}

__declspec(dllexport) HRESULT WINAPI
    UiaHostProviderFromHwnd(HWND, IRawElementProviderSimple **provider)
{
    *provider = nullptr;
    return S_OK;
}

__declspec(dllexport) HRESULT WINAPI
    UiaRaiseAutomationEvent(IRawElementProviderSimple *sender, int id)
{
    if (id == FocusChangedEvent) // what a reader says of the others is not this session's
        write("{\"event\":\"focus\",\"sender\":" + describe(sender) + "}");
    return S_OK;
}

__declspec(dllexport) HRESULT WINAPI
    UiaRaiseAutomationPropertyChangedEvent(IRawElementProviderSimple *sender, int id, VARIANT,
                                           VARIANT value)
{
    write("{\"event\":\"property\",\"id\":" + std::to_string(id) +
          ",\"value\":" + (value.vt == VT_BSTR ? json(value.bstrVal) : "null") +
          ",\"sender\":" + describe(sender) + "}");
    return S_OK;
}

__declspec(dllexport) HRESULT WINAPI
    UiaRaiseNotificationEvent(IRawElementProviderSimple *sender, int kind, int processing,
                              BSTR text, BSTR)
{
    write("{\"event\":\"notification\",\"text\":" + json(text) +
          ",\"kind\":" + std::to_string(kind) + ",\"processing\":" + std::to_string(processing) +
          ",\"sender\":" + describe(sender) + "}");
    return S_OK;
}

// rundll32 uiautomationcore.dll,Listen CAPTION-PART (which rundll32 hands on quoted if it has
// a blank)
__declspec(dllexport) void CALLBACK ListenW(HWND, HINSTANCE, LPWSTR captionPart, int)
{
    std::wstring part = captionPart;
    if (part.size() > 1 && part.front() == L'"' && part.back() == L'"')
        part = part.substr(1, part.size() - 2);
    struct Search
    {
        const wchar_t *part;
        HWND found;
    } search{part.c_str(), nullptr};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto *s = reinterpret_cast<Search *>(data);
            wchar_t caption[512];
            if (GetWindowTextW(window, caption, 512) && std::wcsstr(caption, s->part)) {
                s->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    DWORD_PTR result = 0;
    if (search.found)
        SendMessageTimeoutW(search.found, WM_GETOBJECT, 0, LPARAM(RootObjectId), SMTO_ABORTIFHUNG,
                            10000, &result);
}

} // extern "C"
