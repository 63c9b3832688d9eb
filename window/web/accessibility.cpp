// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// In the browser Qt has no bridge to assistive technology; this one hands the page's screen
// reader what the program tells assistive technology on the desktop. The page's drawing
// element keeps the keyboard focus and takes the keys itself (role "application", so that no
// browse mode takes them). Inside it, the control that has the program's focus is mirrored by
// an element with that control's role, name and description, which the drawing element names
// as its active descendant; a list row is mirrored as an option in a list box named as its
// list. The announcer's sentences go to a live region beside the drawing element.

#include <QAccessible>
#include <QCoreApplication>
#include <QString>
#include <deque>
#include <emscripten/val.h>
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
          m_canvas(val::module_property("qtContainerElements")[0]), m_live(element("div")),
          m_description(element("div"))
    {
        setAttribute(m_live, "role", "status");
        setAttribute(m_live, "class", "spoken");
        setAttribute(m_description, "id", "focus-description");
        m_description.set("hidden", true);
        m_canvas["parentElement"].call<void>("append", m_live, m_description);
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
            if (iface->object() == m_focused)
                m_description.set("textContent", text(iface, QAccessible::Description));
            break;
        case QAccessible::ObjectShow:
            if (iface->role() == QAccessible::Notification)
                say(text(iface, QAccessible::Name));
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

    // The list box that mirrors a list, made the first time it is needed: its rows are mirrored
    // inside it, one at a time, so that moving between them stays in one list. Its first child
    // stands for the list's first row and tells how many rows there are: a screen reader reads
    // a list's size from its first item.
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
            setAttribute(box, "aria-label", text(list, QAccessible::Name));
            setAttribute(box, "aria-describedby", "focus-description");
            box.call<void>("appendChild", element("div"));
            m_canvas.call<void>("appendChild", box);
            m_lists.emplace_back(list->object(), box);
        }
        const int rows = list->childCount();
        val first = box["firstChild"];
        setAttribute(first, "role", "option");
        setAttribute(first, "aria-setsize", std::to_string(rows));
        setAttribute(first, "aria-posinset", "1");
        setAttribute(first, "aria-label", rows > 0 ? text(list->child(0), QAccessible::Name) : "");
        return box;
    }

    // A new element for each focused control other than a list. The last few are kept: the
    // screen reader may still hold one as its focus after quick moves, and from a focus that
    // disappears it goes to the new one without a word.
    void mirror(QAccessibleInterface *iface)
    {
        m_focused = iface->object();
        m_description.set("textContent", text(iface, QAccessible::Description));
        const QAccessible::Role role = iface->role();
        val item = role == QAccessible::List ? listBox(iface) : element("div");
        if (role != QAccessible::List) {
            setAttribute(item, "id", "focus-" + std::to_string(++m_serial));
            setAttribute(item, "role", ariaRole(role));
            setAttribute(item, "aria-label", text(iface, QAccessible::Name));
            setAttribute(item, "aria-describedby", "focus-description");
        }
        val container = m_canvas;
        if (role == QAccessible::Canvas) {
            setAttribute(item, "aria-roledescription", "канава");
        } else if (role == QAccessible::ListItem) {
            const QAccessibleInterface *list = iface->parent();
            container = listBox(list);
            setAttribute(item, "aria-selected", "true");
            setAttribute(item, "aria-posinset", std::to_string(list->indexOfChild(iface) + 1));
            setAttribute(item, "aria-setsize", std::to_string(list->childCount()));
        } else if (role == QAccessible::EditableText) {
            setAttribute(item, "aria-readonly", "true");
            setAttribute(item, "aria-multiline", "true");
            item.set("textContent", text(iface, QAccessible::Value));
        }
        if (role != QAccessible::List) {
            container.call<void>("appendChild", item);
            m_mirrors.push_back(item);
        }
        setAttribute(m_canvas, "aria-activedescendant", item["id"].as<std::string>());
        if (m_mirrors.size() > Kept) {
            m_mirrors.front().call<void>("remove");
            m_mirrors.pop_front();
        }
        // The drawing element is named as the window the control is in.
        for (const QAccessibleInterface *window = iface; window; window = window->parent()) {
            if (window->role() == QAccessible::Window) {
                setAttribute(m_canvas, "aria-label", text(window, QAccessible::Name));
                break;
            }
        }
    }

    // A new text node each time, so that a sentence said twice in a row is heard twice.
    void say(const std::string &sentence)
    {
        m_live.call<void>("replaceChildren", m_document.call<val>("createTextNode", sentence));
    }

    val m_document;
    val m_canvas;
    val m_live;
    // The focused control's description, which the mirror refers to; a screen reader reads it
    // with the control and on request, but does not say each change of it.
    val m_description;
    static constexpr std::size_t Kept = 8;
    std::deque<val> m_mirrors; // of focused controls other than lists, the newest last
    std::vector<std::pair<const QObject *, val>> m_lists;
    const QObject *m_focused = nullptr;
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
