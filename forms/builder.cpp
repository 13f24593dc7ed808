// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "builder.h"

#include "assets.h"
#include "fonts.h"
#include "placement.h"
#include "registry.h"
#include "text.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcutEvent>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QVBoxLayout>
#include <QValidator>
#include <QWindow>
#include <qdrawutil.h>

#include <algorithm>
#include <cmath>
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

std::optional<QColor> colourOf(const Colour &colour)
{
    switch (colour.source) {
    case Colour::Source::Rgb:
        return QColor::fromRgb(colour.rgb);
    case Colour::Source::System:
        return QGuiApplication::palette().color(colour.role);
    case Colour::Source::Default:
        break;
    }
    return std::nullopt;
}

// Sets a colour for every state of the widget, disabled included: a control
// that the screen colours keeps its colours whether or not it takes input.
void setColour(QWidget *widget, QPalette::ColorRole role, const Colour &colour)
{
    if (const auto value = colourOf(colour)) {
        QPalette palette = widget->palette();
        palette.setColor(role, *value);
        widget->setPalette(palette);
    }
}

void applyFont(QWidget *widget, const std::optional<Font> &font)
{
    if (!font)
        return; // the program's default face
    const QString face = toQString(font->face);
    QFont chosen(drawnFace(face));
    chosen.setPointSizeF(font->points * sizeFactor(face));
    chosen.setWeight(static_cast<QFont::Weight>(font->weight));
    chosen.setItalic(font->italic);
    widget->setFont(chosen);
}

Qt::Alignment horizontal(Alignment alignment)
{
    return alignment == Alignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
}

// The client area: the screen's colour, with the star field drawn once at its
// natural size from the top-left corner.
class Surface : public QWidget {
public:
    Surface(const ScreenDescription &description, QWidget *parent)
        : QWidget(parent)
        , m_starField(pictureImage(Picture::StarField))
    {
        setObjectName(QStringLiteral("surface"));
        setAttribute(Qt::WA_OpaquePaintEvent);
        setColour(this, QPalette::Window, description.backColor);
        setFixedSize(twipsToPixels(description.clientWidth), twipsToPixels(description.clientHeight));
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().window());
        painter.drawImage(0, 0, m_starField);
    }

private:
    QImage m_starField;
};

class ScreenLabel : public QLabel {
public:
    ScreenLabel(const Control &control, QWidget *parent)
        : QLabel(parent)
        , m_border(control.border)
    {
        // Plain text keeps every run of spaces as it stands.
        setTextFormat(Qt::PlainText);
        setText(control.text.toString());
        setAutoFillBackground(true);
        setColour(this, QPalette::Window, control.backColor);
        setColour(this, QPalette::WindowText, control.foreColor);
        applyFont(this, control.font);
        // A line taller than its label is centred, so that what the label cuts
        // is the empty room above and below the marks, not the letters; so is
        // a line whose stacked marks would touch the label's top or bottom edge
        // when drawn from the top.
        const int height = twipsToPixels(control.height);
        const QFontMetrics metrics = fontMetrics();
        const QRect ink = metrics.tightBoundingRect(text()).translated(0, metrics.ascent());
        const bool touches = !text().isEmpty() && (ink.top() < 1 || ink.bottom() > height - 2);
        const Qt::Alignment vertical = metrics.height() > height || touches ? Qt::AlignVCenter : Qt::AlignTop;
        setAlignment(horizontal(control.alignment) | vertical);
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QLabel::paintEvent(event);
        if (m_border) {
            QPainter painter(this);
            painter.setPen(Qt::black);
            painter.drawRect(rect().adjusted(0, 0, -1, -1));
        }
    }

private:
    bool m_border;
};

// Every button has the graphical style: a flat face in its colour inside a
// bevel, an optional picture centred above the caption, and the access key
// underlined.
class ScreenButton : public QPushButton {
public:
    ScreenButton(const Control &control, QWidget *parent)
        : QPushButton(control.text.toString(), parent)
        , m_face(colourOf(control.backColor))
    {
        if (control.picture != Picture::None)
            m_picture = picture(control.picture);
        applyFont(this, control.font);
        // Enter presses the focused button, as Space does.
        setAutoDefault(true);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const bool sunken = isDown();
        const QBrush face(m_face.value_or(palette().color(QPalette::Button)));
        qDrawWinButton(&painter, rect(), palette(), sunken, &face);

        QRect content = rect().adjusted(3, 3, -3, -3);
        if (sunken)
            content.translate(1, 1);
        QRect caption = content;
        if (!m_picture.isNull()) {
            const QSize size = m_picture.deviceIndependentSize().toSize();
            const int block = size.height() + fontMetrics().height();
            const int top = content.top() + (content.height() - block) / 2;
            painter.drawPixmap(content.left() + (content.width() - size.width()) / 2, top, m_picture);
            caption = QRect(content.left(), top + size.height(), content.width(), fontMetrics().height());
        }
        style()->drawItemText(&painter, caption, Qt::AlignCenter | Qt::TextShowMnemonic, palette(), isEnabled(), text(),
            QPalette::ButtonText);
        if (hasFocus()) {
            painter.setPen(QPen(palette().color(QPalette::ButtonText), 1, Qt::DotLine));
            painter.drawRect(content.adjusted(0, 0, -1, -1));
        }
    }

private:
    std::optional<QColor> m_face;
    QPixmap m_picture;
};

QWidget *buildLabel(const Control &control, QWidget *parent)
{
    return new ScreenLabel(control, parent);
}

// What a person may put into a field: text without control or format
// characters and without half of a character, and no more characters than
// the field's limit. The spaces around the text are not read, so they do
// not count. An edit that breaks this is refused whole, and the field says
// so by its inputRejected signal.
class FieldText final : public QValidator {
public:
    FieldText(int limit, QObject *parent)
        : QValidator(parent)
        , m_limit(limit)
    {
    }

    State validate(QString &input, int &) const override
    {
        for (qsizetype i = 0; i < input.size(); ++i) {
            const QChar character = input.at(i);
            if (character.isHighSurrogate() && i + 1 < input.size() && input.at(i + 1).isLowSurrogate()) {
                ++i;
                continue;
            }
            if (character.isSurrogate() || character.category() == QChar::Other_Control
                || character.category() == QChar::Other_Format)
                return Invalid;
        }
        if (m_limit > 0) {
            const QString read = input.trimmed();
            const auto halves = std::count_if(read.cbegin(), read.cend(), [](QChar c) { return c.isLowSurrogate(); });
            if (read.size() - halves > m_limit)
                return Invalid;
        }
        return Acceptable;
    }

private:
    int m_limit;
};

QWidget *buildTextBox(const Control &control, QWidget *parent)
{
    auto *field = new QLineEdit(control.text.toString(), parent);
    field->setCursorPosition(0); // show the beginning of the text, not its end
    setColour(field, QPalette::Base, control.backColor);
    setColour(field, QPalette::Text, control.foreColor);
    // The style draws a field's border from the window colour, which a field
    // would otherwise take from its screen: on a black screen the border
    // would vanish. Every field has the system's standard border instead.
    setColour(field, QPalette::Window, systemColour(QPalette::Window));
    applyFont(field, control.font);
    field->setAlignment(horizontal(control.alignment) | Qt::AlignVCenter);
    field->setReadOnly(control.locked);
    if (control.enabled && !control.locked)
        field->setValidator(new FieldText(control.maxLength, field));
    return field;
}

QWidget *buildButton(const Control &control, QWidget *parent)
{
    return new ScreenButton(control, parent);
}

// What a screen reader hears of a list. Qt on X11 and Wayland names an
// editable list after the text it holds, so once a person picks or types
// something they would no longer hear which list they are in. Here the name
// stays the list's label, and the text is its value; the drop-down and the
// field remain its children, and the drop-down opens as a press or a menu.
// An editable list's field carries its text to the screen reader. A list
// without a field carries its chosen item itself, as a text that the screen
// reader reads when the list is reached.
class AccessibleList : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit AccessibleList(QComboBox *list)
        : QAccessibleWidget(list, QAccessible::ComboBox)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (!list()->isEditable() && type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return list()->isEditable() ? list()->lineEdit()->text() : list()->currentText();
        return QAccessibleWidget::text(kind);
    }

    int childCount() const override { return list()->isEditable() ? 2 : 1; }

    QAccessibleInterface *child(int index) const override
    {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(list()->view());
        if (index == 1 && list()->isEditable())
            return QAccessible::queryAccessibleInterface(list()->lineEdit());
        return nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (!child)
            return -1;
        if (child->object() == list()->view())
            return 0;
        if (list()->isEditable() && child->object() == list()->lineEdit())
            return 1;
        return -1;
    }

    QStringList actionNames() const override
    {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        if (action != showMenuAction() && action != pressAction())
            return QAccessibleWidget::doAction(action);
        if (list()->view()->isVisible())
            list()->hidePopup();
        else
            list()->showPopup();
    }

    // The chosen item as a text that the person reads but cannot change.
    QString text(int startOffset, int endOffset) const override
    {
        const QString item = list()->currentText();
        const int start = std::clamp(startOffset, 0, int(item.size()));
        const int end = endOffset < 0 ? int(item.size()) : std::clamp(endOffset, start, int(item.size()));
        return item.mid(start, end - start);
    }
    int characterCount() const override { return int(list()->currentText().size()); }
    void selection(int, int *startOffset, int *endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override { }
    void removeSelection(int) override { }
    void setSelection(int, int, int) override { }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override { }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override { }
    QString attributes(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    QComboBox *list() const { return static_cast<QComboBox *>(widget()); }
};

QAccessibleInterface *accessibleList(const QString &className, QObject *object)
{
    if (className == u"QComboBox" && object && object->isWidgetType())
        return new AccessibleList(static_cast<QComboBox *>(object));
    return nullptr;
}

// A screen reader hears the item of a list that the person moves to. An
// opened list shows its current item highlighted, but the item view takes the
// focus after it has made that item current, so a screen reader would hear
// the list and not the item: once the list has the focus, the item takes it
// again in the screen reader's eyes. A closed list without a field changes
// its item on the arrow keys with no text to follow, so the new item is
// reported the same way, as the item of the list that the screen reader
// reads.
class ListItemSpeaker : public QObject {
public:
    explicit ListItemSpeaker(QComboBox *list)
        : QObject(list)
        , m_list(list)
        , m_view(list->view())
    {
        m_view->installEventFilter(this);
        connect(list, &QComboBox::currentIndexChanged, this, [this] {
            if (!m_list->isEditable() && m_list->hasFocus() && !m_list->view()->isVisible() && !m_closing)
                sayItem(m_list->model()->index(m_list->currentIndex(), m_list->modelColumn()));
        });
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // A pick closes the list and then changes its item; the list, which
        // takes the focus back, is read with its new item.
        // The view's events go on while the list is destroyed, when the list
        // can no longer be asked for anything: only the view is compared.
        if (watched != m_view)
            return false;
        if (event->type() == QEvent::Hide) {
            m_closing = true;
            QMetaObject::invokeMethod(
                this, [this] { m_closing = false; }, Qt::QueuedConnection);
        }
        if (event->type() == QEvent::FocusIn)
            QMetaObject::invokeMethod(
                this,
                [this] {
                    if (m_list->view()->hasFocus())
                        sayItem(m_list->view()->currentIndex());
                },
                Qt::QueuedConnection);
        return false;
    }

private:
    void sayItem(const QModelIndex &current)
    {
        QAbstractItemView *view = m_list->view();
        if (!QAccessible::isActive() || !current.isValid())
            return;
        QAccessibleInterface *items = QAccessible::queryAccessibleInterface(view);
        QAccessibleTableInterface *table = items ? items->tableInterface() : nullptr;
        QAccessibleInterface *item = table ? table->cellAt(current.row(), current.column()) : nullptr;
        const int index = item ? items->indexOfChild(item) : -1;
        if (index < 0)
            return;
        QAccessibleEvent focus(view, QAccessible::Focus);
        focus.setChild(index);
        QAccessible::updateAccessibility(&focus);
    }

    QComboBox *m_list;
    QAbstractItemView *m_view;
    bool m_closing = false;
};

// Every list, editable or not, reads through AccessibleList.
void useAccessibleLists()
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleList);
        return true;
    }();
    Q_UNUSED(installed);
}

void speakListItems(QComboBox *list)
{
    new ListItemSpeaker(list);
}

QWidget *buildComboBox(const Control &control, QWidget *parent)
{
    useAccessibleLists();
    auto *combo = new QComboBox(parent);
    combo->setEditable(true);
    // The field holds exactly what the user typed or picked: Enter adds
    // nothing to the list and nothing completes a word the user is typing.
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
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

// An access key of an option button moves the focus to it at once and
// chooses it a moment later, when its click lands, so a screen reader, which
// reads the button as the focus reaches it, would say it is not chosen. Here
// the focus follows the click instead, and the screen reader hears the button
// chosen. The click still lands in the order of the keys pressed.
class FocusAfterChoice : public QObject {
public:
    explicit FocusAfterChoice(QAbstractButton *button)
        : QObject(button)
        , m_button(button)
    {
        button->installEventFilter(this);
        connect(button, &QAbstractButton::clicked, this, [this] {
            if (std::exchange(m_keyPressed, false))
                m_button->setFocus(Qt::ShortcutFocusReason);
        });
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_button || event->type() != QEvent::Shortcut
            || static_cast<QShortcutEvent *>(event)->isAmbiguous())
            return false;
        m_keyPressed = true;
        // A checkable button that takes the focus from a click would take it
        // as its click begins.
        const Qt::FocusPolicy policy = m_button->focusPolicy();
        m_button->setFocusPolicy(Qt::FocusPolicy(policy & ~Qt::ClickFocus));
        m_button->animateClick();
        m_button->setFocusPolicy(policy);
        return true;
    }

private:
    QAbstractButton *m_button;
    bool m_keyPressed = false;
};

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

QWidget *buildImage(const Control &control, QWidget *parent)
{
    auto *image = new QLabel(parent);
    image->setPixmap(picture(control.picture));
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return image;
}

} // namespace

namespace {
QMargins s_frameMargins;
}

ScreenWindow::ScreenWindow(const ScreenDescription &description)
    : QWidget(nullptr,
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , m_description(description)
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
        buildControl(control);
    nameFieldsByTheirLabels();
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
        for (const MenuEntry &entry : menu.entries) {
            QAction *action
                = entry.caption == u"-" ? dropDown->addSeparator() : dropDown->addAction(entry.caption.toString());
            action->setObjectName(toQString(entry.name));
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
    }
    widget->setObjectName(toQString(control.name));
    widget->setGeometry(twipsToPixels(control.left, control.top, control.width, control.height));
    if (auto *list = qobject_cast<QComboBox *>(widget))
        fitItemsInField(list);
    widget->setEnabled(control.enabled);
    widget->setProperty("tabIndex", control.tabIndex);
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
    const auto rightEdge = [](const Control &control) { return control.left + control.width; };
    for (const Control &field : m_description.controls) {
        using enum Control::Kind;
        const bool result = field.kind == Label && field.text.isEmpty();
        if (field.kind != ComboBox && field.kind != TextBox && field.kind != DropDownList && !result)
            continue;
        const Control *beside = nullptr;
        for (const Control &label : m_description.controls) {
            if (label.kind == Control::Kind::Label && label.top == field.top && rightEdge(label) <= field.left
                && (!beside || rightEdge(label) > rightEdge(*beside)))
                beside = &label;
        }
        if (!beside)
            continue;
        auto *label = static_cast<QLabel *>(control(beside->name));
        QWidget *named = control(field.name);
        label->setBuddy(named);
        if (result) {
            named->setFocusPolicy(Qt::TabFocus);
            m_resultLines.push_back({label, static_cast<QLabel *>(named)});
        }
        // The field inside a list is no buddy of the label; it takes the
        // label's caption as its name, as a person reads it.
        if (auto *list = qobject_cast<QComboBox *>(named); list && list->lineEdit())
            list->lineEdit()->setAccessibleName(QString(label->text()).remove(u'&'));
    }
}

void ScreenWindow::orderFocus()
{
    std::vector<std::pair<int, QWidget *>> chain;
    for (const Control &control : m_description.controls) {
        QWidget *widget = this->control(control.name);
        if (widget->focusPolicy() & Qt::TabFocus)
            chain.emplace_back(control.tabIndex, widget);
    }
    std::stable_sort(chain.begin(), chain.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    for (std::size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1].second, chain[i].second);
    const auto first
        = std::find_if(chain.begin(), chain.end(), [](const auto &entry) { return entry.second->isEnabled(); });
    if (first != chain.end())
        first->second->setFocus(Qt::OtherFocusReason);
}

void ScreenWindow::place()
{
    layout()->activate(); // sizes the window and places the menu bar
    // The stored position is that of the client area, below the menu bar.
    const QPoint stored(
        twipsToPixels(m_description.clientLeft), twipsToPixels(m_description.clientTop) - m_surface->y());
    // The screen the main menu is on, where the person looks. The main menu
    // itself opens on the screen of its stored position. The frame is known
    // only once the window manager has framed a window, so the frame of the
    // last window the program showed stands in for it.
    const QScreen *screen = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window != this && window->objectName() == toQString(screenName(MainMenu)) && window->windowHandle())
            screen = window->windowHandle()->screen();
    }
    if (!screen)
        screen = QGuiApplication::screenAt(stored);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect whole = screen ? screen->geometry() : QRect(QPoint(), size());
    const QRect available = screen ? screen->availableGeometry() : whole;
    const QMargins frame = lastFrameMargins();
    QPoint origin = placeWindow(m_description.placement, stored, size(), frame, whole, available);
    if (scrollWhereButtonsWouldBeCut(available.bottom() + 1 - frame.bottom() - origin.y() - m_surface->y())) {
        layout()->activate();
        origin = placeWindow(m_description.placement, stored, size(), frame, whole, available);
    }
    setGeometry(QRect(origin, size()));
}

// A window manager keeps a window's title bar on the screen, so on a screen
// too short for the window nothing would bring up the buttons at its foot.
// There the client area scrolls instead, in a window as tall as the screen
// allows, and opens scrolled to its foot.
bool ScreenWindow::scrollWhereButtonsWouldBeCut(int room)
{
    int lowest = 0;
    for (const Control &control : m_description.controls) {
        if (control.kind == Control::Kind::CommandButton)
            lowest = std::max(lowest, twipsToPixels(control.top + control.height));
    }
    if (lowest <= room || room <= 0 || m_scroll)
        return false;
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("scroll"));
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    delete layout()->replaceWidget(m_surface, m_scroll);
    m_scroll->setWidget(m_surface);
    m_scroll->setFixedSize(m_surface->width() + m_scroll->verticalScrollBar()->sizeHint().width(), room);
    // The range is known once the window is shown and laid out.
    QMetaObject::invokeMethod(
        m_scroll,
        [scroll = m_scroll] { scroll->verticalScrollBar()->setValue(scroll->verticalScrollBar()->maximum()); },
        Qt::QueuedConnection);
    return true;
}

QMargins ScreenWindow::lastFrameMargins()
{
    return s_frameMargins;
}

void ScreenWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
    emit closeRequested();
}

void ScreenWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // The windows keep out of the task bar, so a minimised one would leave
    // nothing to bring it back by, and the program would seem gone. Where the
    // window manager offers to minimise it regardless, the window comes back
    // at once, as it would had the window manager honoured its hints.
    if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMinimized)) {
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (windowState() & Qt::WindowMinimized)
                    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
            },
            Qt::QueuedConnection);
    }
    // By the time a window is active, the window manager has framed it.
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
        if (!frame.isNull())
            s_frameMargins = frame;
    }
}

} // namespace duset
