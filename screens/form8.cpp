// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form8.h"

#include "announce.h"
#include "builder.h"
#include "look.h"
#include "meanings.h"
#include "reckoning.h"
#include "text.h"

#include <QStringList>

#include <stdexcept>
#include <utility>

namespace duset {

namespace {

using enum Control::Kind;

// Each remainder by the opening words of its verse.
constexpr QStringView RemainderItems[] = {
    u"เศษ ๑ เสาเรือนไฟไหม้",
    u"เศษ ๒ จะครองไข้",
    u"เศษ ๓ ความสบาย",
    u"เศษ ๔ มีข้าครอก",
    u"เศษ ๕ ชะตากลับ",
    u"เศษ ๖ จะยกญาติ",
    u"เศษ ๗ นั้นผ้าขาด",
    u"เศษ ๘ นั้นเปรื่องยศ",
    u"เศษ ๙ กินข้าวกลางตลาด",
    u"เศษ ๑๐ นกแขกเต้า",
};

// A caption on the top line of what it names, left of it, green on pale
// yellow as the reference screens' headings are.
constexpr Control heading(std::string_view name, int top, int tabIndex, QStringView text)
{
    return {.kind = Label,
        .name = name,
        .text = text,
        .left = 240,
        .top = top,
        .width = 1095,
        .height = 255,
        .font = DialogFace,
        .foreColor = Green,
        .backColor = PaleYellow,
        .alignment = Alignment::Centre,
        .tabIndex = tabIndex};
}

// A box of text to read, orange on black as the reference screens' content.
constexpr Control passage(std::string_view name, int top, int height, int tabIndex)
{
    return {.kind = MultiLineTextBox,
        .name = name,
        .left = 1440,
        .top = top,
        .width = 7320,
        .height = height,
        .foreColor = Orange,
        .backColor = Black,
        .tabIndex = tabIndex,
        .locked = true};
}

// The list of the remainders on top; under it the verse, tall enough for the
// eight lines of remainder 10, what it says, as tall as the ten lines of
// remainder 10's, and its old words, seven to a glossary.
constexpr Control Controls[] = {
    title(0, 9000, 0, u"ความหมายของคำทำนาย"),
    heading("remainderCaption", 720, 1, u"&เศษ"),
    {.kind = DropDownList,
        .name = "remainderList",
        .left = 1440,
        .top = 720,
        .width = 3615,
        .height = 330,
        .tabIndex = 2,
        .items = RemainderItems},
    heading("verseCaption", 1170, 3, u"บทกลอน"),
    passage("verse", 1170, 2340, 4),
    heading("meaningCaption", 3600, 5, u"ความหมาย"),
    passage("meaning", 3600, 2730, 6),
    heading("glossaryCaption", 6420, 7, u"คำศัพท์"),
    passage("glossary", 6420, 1980, 8),
    {.kind = CommandButton,
        .name = "close",
        .text = u"&ปิด",
        .left = 3952,
        .top = 8490,
        .width = 1095,
        .height = 375,
        .tabIndex = 9},
};

constexpr ScreenDescription Description{
    .name = "Form8",
    .caption = u"ความหมายของคำทำนาย",
    .clientWidth = 9000,
    .clientHeight = 9000,
    .placement = Placement::CentreScreen,
    .backColor = Black,
    .icon = WindowIcon::Information,
    .controls = Controls,
};

using enum MeaningControl;

} // namespace

constexpr std::span<const Control> describedBy(MeaningControl)
{
    return describing<MeaningControl>(Controls);
}

Form8::Form8(ScreenRegistry &screens)
    : Screen(screens, MeaningScreen, Description)
{
}

void Form8::openedFrom(ScreenId origin, int remainder, std::function<void()> whenBack)
{
    if (remainder < 1 || remainder > static_cast<int>(Explanations.size()))
        throw std::out_of_range("no verse for the remainder the meaning screen is opened at");
    m_origin = origin;
    m_remainder = remainder;
    m_whenBack = std::move(whenBack);
}

void Form8::Form_Load()
{
    control<remainderList>().show(RemainderItems[m_remainder - 1].toString());
    showChosen();
    sayChosen();
}

void Form8::connectHandlers()
{
    onChoice<remainderList>([this] { remainderList_Click(); });
    onClick<close>([this] { close_Click(); });
}

bool Form8::Form_QueryUnload()
{
    close_Click();
    return true;
}

void Form8::remainderList_Click()
{
    if (control<remainderList>().currentIndex() < 0)
        return;
    m_remainder = control<remainderList>().currentIndex() + 1;
    showChosen();
    sayChosen();
}

void Form8::close_Click()
{
    screens().Unload(MeaningScreen);
    screens().Show(m_origin);
    if (const std::function<void()> whenBack = std::exchange(m_whenBack, {}))
        whenBack();
}

void Form8::showChosen()
{
    QStringList lines;
    for (const std::u16string_view line : VerseTable[static_cast<std::size_t>(m_remainder - 1)])
        lines << toQString(line);
    const Explanation &explanation = Explanations[static_cast<std::size_t>(m_remainder - 1)];
    control<verse>().setText(lines.join(u'\n'));
    control<meaning>().setText(explanation.meaning.toString());
    control<glossary>().setText(explanation.glossary.toString());
}

void Form8::sayChosen()
{
    announceOnceActive(window(),
        QStringList{control<verseCaption>().text(), control<verse>().text(), control<meaningCaption>().text(),
            control<meaning>().text()}
            .join(u'\n'));
}

} // namespace duset
