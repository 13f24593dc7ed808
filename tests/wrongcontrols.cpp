// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A screen that reaches its controls in the right ways, or in the one wrong
// way that the macro it is built with names. Each wrong way must stop the
// build with its own message; the right ways must build.

#include "screen.h"

namespace duset {

enum class SampleControl {
    Caption,
    Field,
    Button,
#ifdef WRONG_CONTROL_COUNT
    Forgotten,
#endif
};
enum class SampleEntry {
    Open,
    Line,
    Quit,
#ifdef WRONG_ENTRY_COUNT
    Forgotten,
#endif
};

namespace {

constexpr Control Controls[] = {
    {.kind = Control::Kind::Label, .name = "caption", .text = u"&Name"},
    {.kind = Control::Kind::TextBox, .name = "field", .left = 1000},
    {.kind = Control::Kind::CommandButton, .name = "button", .text = u"&Go", .top = 500},
};

constexpr MenuEntry Entries[] = {
    {.name = "open", .caption = u"&Open"},
    {.name = "line", .caption = u"-"},
    {.name = "quit", .caption = u"&Quit"},
};

constexpr Menu Menus[] = {{.name = "file", .caption = u"&File", .entries = Entries}};

} // namespace

constexpr std::span<const Control> describedBy(SampleControl)
{
#ifdef WRONG_CONTROL_COUNT
    return describing<SampleControl::Forgotten>(Controls);
#else
    return describing<SampleControl::Button>(Controls);
#endif
}

constexpr std::span<const Menu> describedBy(SampleEntry)
{
#ifdef WRONG_ENTRY_COUNT
    return describing<SampleEntry::Forgotten>(Menus);
#else
    return describing<SampleEntry::Quit>(Menus);
#endif
}

class Sample final : public Screen {
public:
    using Screen::Screen;

protected:
    void connectHandlers() override
    {
        using enum SampleControl;
#if defined(WRONG_NAME)
        control<Name>().setText({});
#elif defined(WRONG_HANDLE)
        (void)control<Caption>().isChecked();
#elif defined(WRONG_CONNECTION)
        onTextChange<Button>([]{});
#elif defined(SEPARATOR_CLICKED)
        onClick<SampleEntry::Line>([]{});
#elif defined(HANDLE_MADE)
        LabelHandle(nullptr).setText({});
#elif defined(ENTRY_AS_CONTROL)
        control(SampleEntry::Open).setFocus();
#else
        control<Caption>().setText(control<Field>().text());
        control(Field).setFocus();
        onTextChange<Field>([] {});
        onRefusal<Field>([] {});
        onClick<Button>([] {});
        onClick<SampleEntry::Open>([] {});
#endif
    }
};

} // namespace duset
