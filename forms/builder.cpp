// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "builder.h"

#include "accessiblefields.h"
#include "accessiblelists.h"
#include "assets.h"
#include "controls.h"
#include "offers.h"
#include "placement.h"
#include "reading.h"
#include "text.h"
#include "widgets.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <type_traits>
#include <utility>
#include <vector>

namespace duset {

int twipsToPixels(int twips)
{
    return static_cast<int>(std::lround(twips / static_cast<double>(TwipsPerPixel)));
}

QRect twipsToPixels(int left, int top, int width, int height)
{
    const int x = twipsToPixels(left);
    const int y = twipsToPixels(top);
    return {x, y, twipsToPixels(left + width) - x, twipsToPixels(top + height) - y};
}

namespace {

QWidget *buildLabel(const Control &control, QWidget *parent)
{
    return new ScreenLabel(control, parent);
}

QWidget *buildTextBox(const Control &control, QWidget *parent)
{
    useAccessibleFields();
    auto *field = new QLineEdit(control.text.toString(), parent);
    setColour(field, QPalette::Base, control.backColor);
    setColour(field, QPalette::Text, control.foreColor);
    // The style draws a field's border from the window colour, which a field
    // would otherwise take from its screen: on a black screen the border
    // would vanish. Every field has the system's standard border instead.
    setColour(field, QPalette::Window, systemColour(QPalette::Window));
    applyFont(field, control.font);
    field->setAlignment(horizontal(control.alignment) | Qt::AlignVCenter);
    field->setReadOnly(control.locked);
    if (control.enabled && !control.locked) {
        field->setValidator(new FieldText(control.maxLength, field));
        // A field cuts an edit to its length before the validator sees it,
        // so a year pasted after a page of spaces would lose its last digit
        // unseen; the validator sees every edit whole and refuses it whole.
        field->setMaxLength(std::numeric_limits<int>::max());
    }
    // The keyboard reads the number row here as the digits printed on it.
    if (control.numbers)
        field->setInputMethodHints(Qt::ImhPreferNumbers);
    // Last, as a new length puts the text in again, the cursor at its end.
    field->setCursorPosition(0); // show the beginning of the text, not its end
    return field;
}

// A passage to read: wrapped at the box's width, scrolled where it is longer
// than the box, with a cursor that the arrow keys move through it, as a
// screen reader follows it line by line. Nothing in it can be changed.
QWidget *buildMultiLineTextBox(const Control &control, QWidget *parent)
{
    auto *passage = new QPlainTextEdit(control.text.toString(), parent);
    passage->setReadOnly(true);
    passage->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    passage->setTabChangesFocus(true);
    passage->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    passage->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setColour(passage, QPalette::Base, control.backColor);
    setColour(passage, QPalette::Text, control.foreColor);
    // The border and the scroll bar in the system's colours, as a field's.
    setColour(passage, QPalette::Window, systemColour(QPalette::Window));
    applyFont(passage, control.font);
    return passage;
}

QWidget *buildButton(const Control &control, QWidget *parent)
{
    return new ScreenButton(control, parent);
}

QWidget *buildComboBox(const Control &control, QWidget *parent)
{
    useAccessibleLists();
    useAccessibleFields();
    auto *combo = new QComboBox(parent);
    combo->setEditable(true);
    // The field holds exactly what the user typed or picked: Enter adds
    // nothing to the list and nothing completes a word the user is typing.
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    // What a person types or pastes there is refused as a field's is.
    combo->setValidator(new FieldText(0, combo));
    if (control.offers)
        new ItemOffers(combo, control.offers);
    for (const QStringView item : control.items)
        combo->addItem(item.toString());
    combo->setCurrentIndex(-1);
    combo->setEditText(control.text.toString());
    speakListItems(combo);
    setColour(combo, QPalette::Base, control.backColor);
    setColour(combo, QPalette::Text, control.foreColor);
    applyFont(combo, control.font);
    return combo;
}

QWidget *buildDropDownList(const Control &control, QWidget *parent)
{
    useAccessibleLists();
    auto *list = new QComboBox(parent);
    for (const QStringView item : control.items)
        list->addItem(item.toString());
    list->setCurrentIndex(-1); // nothing is chosen until the person chooses
    speakListItems(list);
    setColour(list, QPalette::Base, control.backColor);
    setColour(list, QPalette::Text, control.foreColor);
    applyFont(list, control.font);
    return list;
}

// A list shows its chosen item in its closed field, beside the arrow, which
// is narrower than the open list. An item wider than the field's room is
// scrolled so that its end shows, and its first letter is cut; an item that
// fills the room touches the arrow. Such a field is drawn in the largest
// smaller size of its face that shows every item whole, clear of both edges.
// Where the field is a widget of its own, the open list keeps its size.
void fitItemsInField(QComboBox *list)
{
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.editable = list->isEditable();
    option.frame = list->hasFrame();
    const int width
        = list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list).width();
    // An editable field starts its text 2 pixels in and scrolls it once the
    // text and the cursor after it leave less than that on the right; a
    // closed drop-down list starts its item 1 pixel in.
    const int start = list->isEditable() ? 2 : 1;
    const auto fits = [&](const QFont &font) {
        const QFontMetrics metrics(font);
        for (int i = 0; i < list->count(); ++i) {
            const QString item = list->itemText(i);
            const QRect ink = metrics.boundingRect(item);
            if (start + ink.left() < 1 || start + ink.left() + ink.width() > width - 1)
                return false;
            if (list->isEditable() && metrics.horizontalAdvance(item) + 1 > width - 2 * start)
                return false;
        }
        return true;
    };
    QWidget *field = list->isEditable() ? static_cast<QWidget *>(list->lineEdit()) : list;
    QFont font = field->font();
    constexpr double Step = 0.25;
    constexpr double Smallest = 6;
    if (fits(font) || font.pointSizeF() <= 0)
        return;
    while (!fits(font) && font.pointSizeF() - Step >= Smallest)
        font.setPointSizeF(font.pointSizeF() - Step);
    field->setFont(font);
}

// A check box or an option button: its caption, with its access key, in the
// colours of the label it stands in for.
template<typename Button> QWidget *buildChoice(const Control &control, QWidget *parent)
{
    auto *button = new Button(control.text.toString(), parent);
    button->setAutoFillBackground(true);
    setColour(button, QPalette::Button, control.backColor); // a button fills itself with this one
    setColour(button, QPalette::Window, control.backColor);
    setColour(button, QPalette::WindowText, control.foreColor);
    applyFont(button, control.font);
    if constexpr (std::is_same_v<Button, QRadioButton>)
        new FocusAfterChoice(button);
    return button;
}

// A label that takes the focus from Tab, though it draws no mark of it, so
// that a screen reader reaches it. Its text starts two pixels in: the tail of
// a letter such as ป reaches left of where its text begins and would be cut.
void readByTab(QLabel *label)
{
    label->setFocusPolicy(Qt::TabFocus);
    label->setContentsMargins(2, 0, 0, 0);
}

QWidget *buildImage(const Control &control, QWidget *parent)
{
    auto *image = new QLabel(parent);
    image->setPixmap(picture(control.picture));
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return image;
}

} // namespace

ScreenWindow::ScreenWindow(const ScreenDescription &description)
    : m_description(description)
{
    setObjectName(toQString(description.name));
    setWindowTitle(description.caption.toString());
    setAccessibleDescription(description.spokenDescription.toString());
    setWindowIcon(duset::windowIcon(description.icon));
    setAttribute(Qt::WA_QuitOnClose, false);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize); // the frame cannot be resized
    if (!description.menus.empty())
        buildMenus(description.menus);
    m_surface = new Surface(description, this);
    layout->addWidget(m_surface);

    for (const Control &control : description.controls)
        m_controls.push_back(buildControl(control));
    nameFieldsByTheirLabels();
    if (description.reading == Reading::ByLine)
        readByLine();
    orderFocus();
}

QWidget *ScreenWindow::control(std::string_view name) const
{
    return m_surface->findChild<QWidget *>(toQString(name), Qt::FindDirectChildrenOnly);
}

QAction *ScreenWindow::menuEntry(std::string_view name) const
{
    return m_menuBar ? m_menuBar->findChild<QAction *>(toQString(name)) : nullptr;
}

void ScreenWindow::buildMenus(std::span<const Menu> menus)
{
    m_menuBar = new QMenuBar(this);
    for (const Menu &menu : menus) {
        auto *dropDown = m_menuBar->addMenu(menu.caption.toString());
        dropDown->setObjectName(toQString(menu.name));
        new HeldChord(dropDown);
        for (const MenuEntry &entry : menu.entries) {
            QAction *action
                = isSeparator(entry) ? dropDown->addSeparator() : dropDown->addAction(entry.caption.toString());
            action->setObjectName(toQString(entry.name));
            m_menuEntries.push_back(action);
        }
    }
    layout()->setMenuBar(m_menuBar);
}

QWidget *ScreenWindow::buildControl(const Control &control)
{
    QWidget *widget = nullptr;
    switch (control.kind) {
    case Control::Kind::Label:
        widget = buildLabel(control, m_surface);
        break;
    case Control::Kind::TextBox:
        widget = buildTextBox(control, m_surface);
        break;
    case Control::Kind::CommandButton:
        widget = buildButton(control, m_surface);
        break;
    case Control::Kind::ComboBox:
        widget = buildComboBox(control, m_surface);
        break;
    case Control::Kind::Image:
        widget = buildImage(control, m_surface);
        break;
    case Control::Kind::DropDownList:
        widget = buildDropDownList(control, m_surface);
        break;
    case Control::Kind::CheckBox:
        widget = buildChoice<QCheckBox>(control, m_surface);
        break;
    case Control::Kind::OptionButton:
        widget = buildChoice<QRadioButton>(control, m_surface);
        break;
    case Control::Kind::MultiLineTextBox:
        widget = buildMultiLineTextBox(control, m_surface);
        break;
    }
    widget->setObjectName(toQString(control.name));
    widget->setGeometry(twipsToPixels(control.left, control.top, control.width, control.height));
    if (auto *list = qobject_cast<QComboBox *>(widget))
        fitItemsInField(list);
    widget->setEnabled(control.enabled);
    widget->setProperty("tabIndex", control.tabIndex);
    widget->setAccessibleDescription(control.spokenDescription.toString());
    if (control.tabStop)
        readByTab(static_cast<QLabel *>(widget));
    return widget;
}

// A field has no caption of its own: a person reads the label that stands on
// its top line to its left, and a screen reader should say the same. As the
// field's buddy, that label names it and is its "labelled by" relation, which
// screen readers follow. A label that the screen fills in as it works, beside
// such a caption, is a result line: the caption names it in the same way, and
// it takes the focus from Tab (a label draws no mark of it), so that a screen
// reader reaches what the screen found.
void ScreenWindow::nameFieldsByTheirLabels()
{
    const std::span<const Control> controls = m_description.controls;
    const auto rightEdge = [](const Control &control) { return control.left + control.width; };
    for (std::size_t f = 0; f < controls.size(); ++f) {
        const Control &field = controls[f];
        using enum Control::Kind;
        const bool result = field.kind == Label && field.text.isEmpty();
        if (field.kind != ComboBox && field.kind != TextBox && field.kind != DropDownList
            && field.kind != MultiLineTextBox && !result)
            continue;
        std::optional<std::size_t> beside;
        for (std::size_t l = 0; l < controls.size(); ++l) {
            const Control &label = controls[l];
            if (label.kind == Label && label.top == field.top && rightEdge(label) <= field.left
                && (!beside || rightEdge(label) > rightEdge(controls[*beside])))
                beside = l;
        }
        if (!beside)
            continue;
        auto *label = static_cast<QLabel *>(m_controls[*beside]);
        QWidget *named = m_controls[f];
        label->setBuddy(named);
        if (result) {
            readByTab(static_cast<QLabel *>(named));
            m_resultLines.push_back({label, static_cast<QLabel *>(named)});
        }
        // The field inside a list is no buddy of the label; it takes the
        // label's caption as its name, as a person reads it.
        if (auto *list = qobject_cast<QComboBox *>(named); list && list->lineEdit())
            list->lineEdit()->setAccessibleName(QString(label->text()).remove(u'&'));
    }
}

// Orca says a window's description after its caption as the window opens,
// and a page says its lines there. The lines are the page's whole text, as
// flat review reads it row by row: Tab and say-all reach no label, and a
// screen reader's say-all stops at the end of the field it starts in. A
// field that holds part of a line is named by the line, so that Tab, which
// may lead down one column of fields and then the next, gives each line
// whole as well.
void ScreenWindow::readByLine()
{
    QStringList lines;
    if (!m_description.spokenDescription.isEmpty())
        lines << m_description.spokenDescription.toString();
    for (const ReadingLine &line : readingLines(m_description.controls)) {
        lines << line.text;
        for (const std::size_t part : line.parts) {
            QWidget *field = m_controls[part];
            if (line.parts.size() > 1 && qobject_cast<QLineEdit *>(field) && field->accessibleName().isEmpty())
                field->setAccessibleName(line.text);
        }
    }
    setAccessibleDescription(lines.join(u'\n'));
}

void ScreenWindow::orderFocus()
{
    std::vector<std::pair<int, QWidget *>> chain;
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        if (m_controls[i]->focusPolicy() & Qt::TabFocus)
            chain.emplace_back(m_description.controls[i].tabIndex, m_controls[i]);
    }
    std::stable_sort(chain.begin(), chain.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    for (std::size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1].second, chain[i].second);
    const auto first
        = std::find_if(chain.begin(), chain.end(), [](const auto &entry) { return entry.second->isEnabled(); });
    if (first != chain.end())
        first->second->setFocus(Qt::OtherFocusReason);
}

void ScreenWindow::place(const QWidget *home)
{
    layout()->activate(); // sizes the window and places the menu bar
    // The stored position is that of the client area, below the menu bar.
    const QPoint stored(
        twipsToPixels(m_description.clientLeft), twipsToPixels(m_description.clientTop) - m_surface->y());
    // The screen the home window is on, where the person looks. The home
    // window itself opens on the screen of its stored position. The frame is
    // known only once the window manager has framed a window, so the frame of
    // the last window the program showed stands in for it.
    const QScreen *screen = home && home != this && home->windowHandle() ? home->windowHandle()->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::screenAt(stored);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect whole = screen ? screen->geometry() : QRect(QPoint(), size());
    const QRect available = screen ? screen->availableGeometry() : whole;
    const QMargins frame = lastFrameMargins();
    QPoint origin = placeWindow(m_description.placement, stored, size(), frame, whole, available);
    // The room the free part leaves the client area right of and below its corner.
    const QSize room(available.right() + 1 - frame.right() - origin.x(),
        available.bottom() + 1 - frame.bottom() - origin.y() - m_surface->y());
    if (scrollWhereTheScreenIsTooSmall(room)) {
        layout()->activate();
        origin = placeWindow(m_description.placement, stored, size(), frame, whole, available);
    }
    setGeometry(QRect(origin, size()));
}

// A window manager keeps a window's title bar on the screen, so on a screen
// too short for the window nothing would bring up the buttons at its foot,
// and on one too narrow nothing would bring in its right side. There the
// client area scrolls instead, in a window as large as the screen allows,
// and opens scrolled to its foot, and to its left edge.
bool ScreenWindow::scrollWhereTheScreenIsTooSmall(QSize room)
{
    int lowest = 0;
    for (const Control &control : m_description.controls) {
        if (control.kind == Control::Kind::CommandButton)
            lowest = std::max(lowest, twipsToPixels(control.top + control.height));
    }
    const QSize whole = m_surface->size();
    bool across = whole.width() > room.width();
    bool down = lowest > room.height();
    if (!(across || down) || room.width() <= 0 || room.height() <= 0 || m_scroll)
        return false;
    m_scroll = new QScrollArea(this);
    const int barWidth = m_scroll->verticalScrollBar()->sizeHint().width();
    const int barHeight = m_scroll->horizontalScrollBar()->sizeHint().height();
    // A scroll bar takes room from the other direction, whose own bar must
    // then be in sight as well.
    down = down || (across && whole.height() + barHeight > room.height());
    across = across || (down && whole.width() + barWidth > room.width());
    down = down || (across && whole.height() + barHeight > room.height());
    m_scroll->setObjectName(QStringLiteral("scroll"));
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setHorizontalScrollBarPolicy(across ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    m_scroll->setVerticalScrollBarPolicy(down ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    delete layout()->replaceWidget(m_surface, m_scroll);
    m_scroll->setWidget(m_surface);
    m_scroll->setFixedSize(std::min(whole.width() + (down ? barWidth : 0), room.width()),
        std::min(whole.height() + (across ? barHeight : 0), room.height()));
    // The range is known once the window is shown and laid out.
    QMetaObject::invokeMethod(
        m_scroll,
        [scroll = m_scroll] { scroll->verticalScrollBar()->setValue(scroll->verticalScrollBar()->maximum()); },
        Qt::QueuedConnection);
    return true;
}

} // namespace duset
