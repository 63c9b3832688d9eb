// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// In the browser Qt has no bridge to assistive technology; this one hands the page's screen
// reader what the program tells assistive technology on the desktop. The page's drawing
// element keeps the keyboard focus and takes the keys itself (role "application", so that no
// browse mode takes them). Inside it, the control that has the program's focus is mirrored by
// an element with that control's role, name and description, which the drawing element names
// as its active descendant; a list is mirrored as a list box named as it, with an option for
// each row. The announcer's sentences go to a live region beside the drawing element.

#include <QAccessible>
#include <QCoreApplication>
#include <QString>
#include <deque>
#include <emscripten/val.h>
#include <optional>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <string>
#include <utility>
#include <vector>

namespace {

using emscripten::val;

std::string text(const QAccessibleInterface *iface, QAccessible::Text t)
{
    return iface->text(t).toStdString();
}

void setAttribute(const val &element, const char *name, const std::string &value)
{
    element.call<void>("setAttribute", val(name), value);
}

// The roles of the program's controls as ARIA names them; the drawing area has none of its own.
std::string ariaRole(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::Button:
        return "button";
    case QAccessible::List:
        return "listbox";
    case QAccessible::ListItem:
        return "option";
    case QAccessible::EditableText:
        return "textbox";
    case QAccessible::Canvas:
        return "img"; // described as a canvas, below
    default:
        return "group";
    }
}

class Bridge
{
public:
    Bridge()
        : m_document(val::global("document")),
          m_canvas(val::module_property("qtContainerElements")[0]), m_live(element("div"))
    {
        setAttribute(m_live, "role", "status");
        setAttribute(m_live, "class", "spoken");
        m_canvas["parentElement"].call<void>("append", m_live);
    }

    void update(QAccessibleEvent *event)
    {
        QAccessibleInterface *iface = event->accessibleInterface();
        switch (event->type()) {
        case QAccessible::Focus:
            // A list that gets the focus makes its first row current, not chosen: as on the
            // desktop, the list is what has the focus then.
            if (iface->role() != QAccessible::ListItem || iface->state().selected)
                mirror(iface);
            break;
        case QAccessible::DescriptionChanged:
            // Orca says every change of the focused element's description; the program's own
            // sentence says what changed, so the new description goes out with it, before it.
            if (iface->object() == m_focused)
                m_description = text(iface, QAccessible::Description);
            break;
        case QAccessible::ObjectShow:
            if (iface->role() == QAccessible::Notification) {
                if (m_description) {
                    setAttribute(m_focusedItem, "aria-description", *m_description);
                    m_description.reset();
                }
                say(text(iface, QAccessible::Name));
            }
            break;
        default:
            break;
        }
    }

private:
    val element(const char *tag) const
    {
        return m_document.call<val>("createElement", std::string(tag));
    }

    // The list box that mirrors a list, made the first time it is needed, with an option for
    // each of the list's rows as they are now: it is brought up to date whenever the list or
    // one of its rows gets the focus, and a row's option stays the same element meanwhile.
    val listBox(const QAccessibleInterface *list)
    {
        val box = val::null();
        for (const auto &[object, known] : m_lists) {
            if (object == list->object())
                box = known;
        }
        if (box.isNull()) {
            box = element("div");
            setAttribute(box, "id", "list-" + std::to_string(m_lists.size()));
            setAttribute(box, "role", "listbox");
            // Qt makes the drawing element editable, for the clipboard's events; what mirrors
            // the program's controls inside it is not, else a screen reader takes it for text.
            setAttribute(box, "contenteditable", "false");
            setAttribute(box, "aria-label", text(list, QAccessible::Name));
            m_canvas.call<void>("appendChild", box);
            m_lists.emplace_back(list->object(), box);
        }
        const int rows = list->childCount();
        const val options = box["children"];
        // Orca says nothing at all of a list box without children: an empty list holds just an
        // empty group, which is not a row.
        if (rows == 0) {
            val none = element("div");
            setAttribute(none, "role", "group");
            box.call<void>("replaceChildren", none);
            return box;
        }
        if (!box.call<val>("querySelector", std::string("[role=group]")).isNull())
            box.call<void>("replaceChildren");
        while (options["length"].as<int>() > rows)
            box["lastElementChild"].call<void>("remove");
        for (int row = options["length"].as<int>(); row < rows; ++row) {
            val option = element("div");
            setAttribute(option, "id", box["id"].as<std::string>() + "-" + std::to_string(row));
            setAttribute(option, "role", "option");
            box.call<void>("appendChild", option);
        }
        for (int row = 0; row < rows; ++row) {
            setAttribute(options[row], "aria-label", text(list->child(row), QAccessible::Name));
            options[row].call<void>("removeAttribute", val("aria-selected"));
        }
        return box;
    }

    // A new element for each focused control other than a list or a row. The last few are
    // kept: the screen reader may still hold one as its focus after quick moves, and from a
    // focus that disappears it goes to the new one without a word.
    void mirror(QAccessibleInterface *iface)
    {
        m_focused = iface->object();
        const QAccessible::Role role = iface->role();
        val item = val::null();
        if (role == QAccessible::List) {
            item = listBox(iface);
        } else if (role == QAccessible::ListItem) {
            const QAccessibleInterface *list = iface->parent();
            item = listBox(list)["children"][list->indexOfChild(iface)];
            setAttribute(item, "aria-selected", "true");
        } else {
            item = element("div");
            setAttribute(item, "id", "focus-" + std::to_string(++m_serial));
            setAttribute(item, "role", ariaRole(role));
            setAttribute(item, "contenteditable", "false");
            setAttribute(item, "aria-label", text(iface, QAccessible::Name));
            if (role == QAccessible::Canvas) {
                setAttribute(item, "aria-roledescription", text(iface, QAccessible::UserText));
            } else if (role == QAccessible::EditableText) {
                setAttribute(item, "aria-readonly", "true");
                setAttribute(item, "aria-multiline", "true");
                item.set("textContent", text(iface, QAccessible::Value));
            }
            m_canvas.call<void>("appendChild", item);
            m_mirrors.push_back(item);
            if (m_mirrors.size() > Kept) {
                m_mirrors.front().call<void>("remove");
                m_mirrors.pop_front();
            }
        }
        setAttribute(item, "aria-description", text(iface, QAccessible::Description));
        m_description.reset();
        m_focusedItem = item;
        setAttribute(m_canvas, "aria-activedescendant", item["id"].as<std::string>());
        // The drawing element is named as the window the control is in.
        for (const QAccessibleInterface *window = iface; window; window = window->parent()) {
            if (window->role() == QAccessible::Window) {
                setAttribute(m_canvas, "aria-label", text(window, QAccessible::Name));
                break;
            }
        }
    }

    // Orca takes a live region's new text that is the same as its last for a repeated event
    // and says nothing; a sentence said again in a row ends with an unheard no-break space, so
    // that it is heard as often as it is said.
    void say(const std::string &sentence)
    {
        m_said = sentence == m_said ? sentence + "\u00a0" : sentence;
        m_live.set("textContent", m_said);
    }

    val m_document;
    val m_canvas;
    val m_live;
    std::string m_said;
    static constexpr std::size_t Kept = 8;
    std::deque<val> m_mirrors; // of focused controls other than lists and rows, the newest last
    std::vector<std::pair<const QObject *, val>> m_lists;
    const QObject *m_focused = nullptr;
    val m_focusedItem = val::null();          // the element that mirrors it
    std::optional<std::string> m_description; // its new description, until it goes out
    int m_serial = 0;
};

void installBridge()
{
    static Bridge bridge;
    QAccessible::installUpdateHandler([](QAccessibleEvent *event) { bridge.update(event); });
    // Qt's own switch, which a platform's bridge turns on when a screen reader is there; a page
    // cannot tell, so it is always on.
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installBridge)
