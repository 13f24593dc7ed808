// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form7.h"

#include "announce.h"
#include "builder.h"
#include "lists.h"
#include "look.h"
#include "screens.h"
#include "text.h"
#include "thaitext.h"

#include <QStringList>

#include <chrono>
#include <span>

namespace duset {

namespace {

using enum Control::Kind;

// What the line above the results says while the date is not whole yet.
constexpr QStringView AskForTheDateText = u"ใส่วันที่ เลือกเดือน และพิมพ์ปี พ.ศ. ที่เกิด";

// What it says of text in the day or the year field that it cannot read,
// and, before it, of text the field refused.
constexpr QStringView NoDayText = u"ใส่วันที่ 1 ถึง 31 หรือทั้งวันที่ เช่น 17/1/2539";
constexpr QStringView NoYearText = u"ปีเกิดต้องเป็นตัวเลข พ.ศ. เช่น 2530";
constexpr QStringView RefusedText = u"ช่องนี้ไม่รับที่ใส่: ";

// The white-on-orange word on the top line of a field or a result, left of it.
constexpr Control rowLabel(std::string_view name, int top, int tabIndex, QStringView text)
{
    return fieldLabel(name, 240, top, 1095, tabIndex, text);
}

// A line of text on the star field, with room for the stacked marks of its
// longer sentences. A note is one that Tab reaches, so that a screen reader
// reads it in its place.
constexpr Control line(std::string_view name, int left, int top, int width, int tabIndex, Colour foreColor,
    QStringView text = {}, Control::Kind kind = Label)
{
    return {.kind = kind,
        .name = name,
        .text = text,
        .left = left,
        .top = top,
        .width = width,
        .height = 285,
        .font = DialogFace,
        .foreColor = foreColor,
        .backColor = Black,
        .tabIndex = tabIndex};
}

constexpr Control readByTab(Control control)
{
    control.tabStop = true;
    return control;
}

constexpr Control note(std::string_view name, int top, int tabIndex, QStringView text = {})
{
    return readByTab(line(name, 240, top, 7320, tabIndex, Orange, text));
}

constexpr Control button(std::string_view name, int left, int tabIndex, QStringView text)
{
    return periwinkleButton(name, left, 6300, 1695, 495, tabIndex, text);
}

constexpr QStringView DayHintText = u"หรือทั้งวันที่ เช่น 17/1/2539";

// Above, the fields of the date and the hour of birth; below, what they come
// to: a line that says what is missing or wrong, the three items, the date in
// the lunar calendar, which before the calendar's table is an estimate and
// says so, and the reckoning of the items. Where the lunar calendar counts
// the month or the animal year otherwise than the civil one, the person
// chooses a count.
constexpr Control Controls[] = {
    title(0, 7800, 0, u"หาวัน เดือน ปีเกิด จากวันเกิด", "title"),
    rowLabel("dayCaption", 840, 1, u"&วัน"),
    {.kind = TextBox,
        .name = "dayField",
        .left = 1440,
        .top = 840,
        .width = 2535,
        .height = 330,
        .tabIndex = 2,
        .maxLength = 40,
        .numbers = true,
        .spokenDescription = DayHintText},
    line("dayHint", 4080, 885, 3480, 3, Orange, DayHintText),
    rowLabel("monthCaption", 1260, 4, u"เ&ดือน"),
    {.kind = DropDownList,
        .name = "monthList",
        .left = 1440,
        .top = 1260,
        .width = 2535,
        .height = 330,
        .tabIndex = 5,
        .items = MonthItems},
    rowLabel("yearCaption", 1680, 6, u"ปี &พ.ศ."),
    {.kind = TextBox,
        .name = "yearField",
        .left = 1440,
        .top = 1680,
        .width = 855,
        .height = 330,
        .tabIndex = 7,
        .maxLength = 4,
        .numbers = true},
    readByTab(line("commonEraYear", 2400, 1725, 5160, 8, White)),
    line("beforeDawn", 240, 2100, 7320, 9, White, u"เกิดหลังเที่ยงคืน ก่อน 6 โมงเ&ช้า", CheckBox),
    note("dawnNote", 2400, 10, u"นับแบบไทย วันใหม่เริ่มตอนรุ่งเช้า: เกิดก่อน 06:00 นับเป็นวันก่อนหน้า"),
    readByTab({.kind = Label,
        .name = "status",
        .text = AskForTheDateText,
        .left = 240,
        .top = 2760,
        .width = 7320,
        .height = 285,
        .font = DialogFace,
        .foreColor = Green,
        .backColor = PaleYellow,
        .alignment = Alignment::Centre,
        .tabIndex = 11}),
    rowLabel("foundWeekdayCaption", 3120, 12, u"วัน"),
    line("foundWeekday", 1440, 3120, 6120, 13, White),
    rowLabel("foundMonthCaption", 3420, 14, u"เดือน"),
    line("foundMonth", 1440, 3420, 6120, 15, White),
    rowLabel("foundYearCaption", 3720, 16, u"ปีเกิด"),
    line("foundYear", 1440, 3720, 6120, 17, White),
    rowLabel("lunarCaption", 4020, 18, u"จันทรคติ"),
    line("lunarDate", 1440, 4020, 6120, 19, White),
    note("estimateNote", 4320, 20, u"ก่อน พ.ศ. 2457 วันทางจันทรคติเป็นเพียงค่าประมาณ"),
    rowLabel("sumCaption", 4620, 21, u"ผลรวม"),
    line("sum", 1440, 4620, 6120, 22, White),
    line("civilYear", 240, 4980, 7320, 23, White, {}, OptionButton),
    line("traditionalYear", 240, 5280, 7320, 24, White, {}, OptionButton),
    note("countNote", 5580, 25),
    note("certificateNote", 5880, 26, u"ถ้าสูติบัตรระบุปีนักษัตรไว้ ให้เลือกตามสูติบัตร"),
    button("meaning", 2280, 27, u"ความ&หมาย"),
    button("handOver", 4080, 28, u"&นำไปทำนาย"),
    button("back", 5880, 29, u"&กลับ"),
};

constexpr ScreenDescription Description{
    .name = "Form7",
    .caption = u"หาวัน เดือน ปีเกิด จากวันเกิด",
    .clientWidth = 7800,
    .clientHeight = 6900,
    .placement = Placement::CentreScreen,
    .backColor = Black,
    .icon = WindowIcon::Chart,
    .controls = Controls,
};

QString q(std::u16string_view text)
{
    return toQString(text);
}

// Two-digit years are read as one of the last hundred years up to this one.
int thisBuddhistYear()
{
    using namespace std::chrono;
    return static_cast<int>(year_month_day{floor<days>(system_clock::now())}.year()) + BuddhistEraOffset;
}

using enum DateControl;

} // namespace

constexpr std::span<const Control> describedBy(DateControl)
{
    return describing<DateControl>(Controls);
}

Form7::Form7(ScreenRegistry &screens)
    : Screen(screens, DateScreen, Description)
{
}

void Form7::openedFrom(ScreenId origin, const EntryTexts &entryTexts)
{
    m_origin = origin;
    m_entryTexts = entryTexts;
}

void Form7::Form_Load()
{
    m_fields = {};
    Fields_Change();
    m_spoken = whatTheScreenSays();
}

void Form7::connectHandlers()
{
    onClick<meaning>([this] { meaning_Click(); });
    onClick<handOver>([this] { handOver_Click(); });
    onClick<back>([this] { back_Click(); });
    // A click that an access key left pending can toggle a choice after the
    // hand-over has unloaded this window: only the loaded window's fields
    // are read.
    onTextChange<dayField>([this] { dayField_Change(); });
    onEditingFinished<dayField>([this] { dayField_Done(); });
    onRefusal<dayField>([this] { Field_Refused(dayField); });
    onChoice<monthList>([this] { Fields_Change(); });
    onTextChange<yearField>([this] { Fields_Change(); });
    onRefusal<yearField>([this] { Field_Refused(yearField); });
    onToggle<beforeDawn>([this] { Fields_Change(); });
    onToggle<civilYear>([this] { Fields_Change(); });
    onToggle<traditionalYear>([this] { Fields_Change(); });
}

void Form7::meaning_Click()
{
    const std::optional<Count> count = countOrSayWhy();
    if (!count)
        return;
    // The remainder of the sum on view, by the reckoning of its three items.
    const EntryTexts items = chosenItems(*count);
    ReckoningState state;
    const int remainder = Reckon(utf16(items[0]), utf16(items[1]), utf16(items[2]), state).remainder;
    // Hidden, not unloaded, so that it comes back with the date as it was.
    screens().Hide(DateScreen);
    verseMeanings(screens()).openedFrom(DateScreen, remainder, [this] { control<meaning>().setFocus(); });
    screens().Show(MeaningScreen);
}

void Form7::handOver_Click()
{
    const std::optional<Count> count = countOrSayWhy();
    if (!count)
        return;
    const EntryTexts items = chosenItems(*count);
    screens().Unload(DateScreen);
    screens().Show(EntryScreen);
    entryLists(screens()).fillLists(items, EntryLists::Focus::Predict);
}

void Form7::back_Click()
{
    screens().Unload(DateScreen);
    screens().Show(m_origin);
    if (m_origin == EntryScreen)
        entryLists(screens()).fillLists(m_entryTexts, EntryLists::Focus::FindFromBirthDate);
}

void Form7::dayField_Change()
{
    if (m_filling)
        return;
    const DayReading day = readDayField(utf16(control<dayField>().text()), thisBuddhistYear());
    if (day.kind == DayReading::Kind::WholeDate)
        fill(day.date);
    else
        Fields_Change();
}

void Form7::dayField_Done()
{
    if (m_fields.status == DateFields::Status::YearMayGoOn)
        fill(m_fields.pending);
}

void Form7::fill(const TypedDate &date)
{
    m_filling = true;
    control<dayField>().setText(q(date.dayText));
    control<monthList>().show(MonthItems[static_cast<std::size_t>(date.month - 1)].toString());
    control<yearField>().setText(q(date.yearText));
    m_filling = false;
    Fields_Change();
}

std::optional<Count> Form7::chosenCount() const
{
    if (!m_fields.reading)
        return std::nullopt;
    if (!m_fields.reading->hasTwoCounts() || control<civilYear>().isChecked())
        return Count::Civil;
    if (control<traditionalYear>().isChecked())
        return Count::Traditional;
    return std::nullopt;
}

std::optional<Count> Form7::countOrSayWhy()
{
    const std::optional<Count> count = chosenCount();
    if (!count) {
        // The line above the results already says what is missing or wrong;
        // the focus goes where it can be mended.
        using Field = DateFields::Field;
        const DateControl fault = m_fields.reading ? civilYear
            : m_fields.fault == Field::Day         ? dayField
            : m_fields.fault == Field::Month       ? monthList
                                                   : yearField;
        control(fault).setFocus();
        announce(window(), control<status>().text());
    }
    return count;
}

EntryTexts Form7::chosenItems(Count count) const
{
    const BirthReading &reading = *m_fields.reading;
    return {WeekdayItems[reading.weekday].toString(), MonthItems[reading.month(count)].toString(),
        YearItems[reading.year(count)].toString()};
}

QString Form7::statusOf(const DateFields &fields) const
{
    using enum DateFields::Status;
    switch (fields.status) {
    case AskForTheDate:
        return AskForTheDateText.toString();
    case NoDay:
        return NoDayText.toString();
    case UnfinishedDate:
        return QStringLiteral("พิมพ์ต่อให้ครบทั้งวัน เดือน ปี เช่น 17/1/2539 หรือ 17 ม.ค. 2539");
    case YearMayGoOn: {
        const TypedDate &date = fields.pending;
        return QStringLiteral("กด Enter เพื่ออ่านเป็นวันที่ %1 %2 %3 หรือพิมพ์ปีต่อ")
            .arg(date.day)
            .arg(q(MonthNames[static_cast<std::size_t>(date.month - 1)]), q(date.yearText));
    }
    case NoYear:
        return NoYearText.toString();
    case YearOutOfRange:
        return QStringLiteral("รับเฉพาะปี พ.ศ. %1 ถึง %2 หรือ ค.ศ. %3 ถึง %4")
            .arg(FirstBuddhistYear)
            .arg(LastBuddhistYear)
            .arg(FirstChristianYear)
            .arg(LastChristianYear);
    case NoSuchDate:
        return QStringLiteral("ไม่มีวันที่ %1 ใน%2 ปี พ.ศ. %3")
            .arg(fields.day)
            .arg(MonthItems[static_cast<std::size_t>(fields.month - 1)])
            .arg(fields.year.buddhistYear);
    case Whole:
        break;
    }
    if (fields.checkTheOldNewYear)
        return QStringLiteral("ก่อน พ.ศ. %1 ปีใหม่เริ่ม 1 เมษายน: ตรวจว่า ค.ศ. %2 ตรงกับปีที่เกิด")
            .arg(OldNewYearEnded)
            .arg(fields.year.buddhistYear - BuddhistEraOffset);
    if (!chosenCount())
        return QStringLiteral("นับได้สองแบบ: เลือกแบบสากลหรือแบบไทยด้านล่าง");
    return QStringLiteral("ครบแล้ว: กดปุ่ม %1").arg(QStringView(u"นำไปทำนาย"));
}

void Form7::Fields_Change()
{
    if (m_filling)
        return; // until the last field is filled
    const DateFields fields = readDateFields(utf16(control<dayField>().text()), control<monthList>().currentIndex() + 1,
        utf16(control<yearField>().text()), control<beforeDawn>().isChecked(), thisBuddhistYear());

    // The year of the other era, beside the year field.
    const LabelHandle otherEra = control<commonEraYear>();
    const YearReading &year = fields.year;
    otherEra.setText(year.kind == YearReading::Kind::BuddhistEra
            ? QStringLiteral("ค.ศ. %1").arg(year.buddhistYear - BuddhistEraOffset)
            : year.kind == YearReading::Kind::ChristianEra
            ? QStringLiteral("ปี ค.ศ. %1 คือ พ.ศ. %2").arg(year.written).arg(year.buddhistYear)
            : QString());
    otherEra.setVisible(!otherEra.text().isEmpty());

    // A new pair of counts asks for a new choice.
    const std::optional<BirthReading> &reading = fields.reading;
    const std::optional<BirthReading> &before = m_fields.reading;
    const bool samePair = reading && before && reading->hasTwoCounts() && before->hasTwoCounts()
        && reading->civilMonth == before->civilMonth && reading->traditionalMonth == before->traditionalMonth
        && reading->civilYear == before->civilYear && reading->traditionalYear == before->traditionalYear;
    m_fields = fields;
    const ChoiceHandle civil = control<civilYear>();
    const ChoiceHandle traditional = control<traditionalYear>();
    if (!samePair) {
        civil.clear();
        traditional.clear();
    }
    const bool twoCounts = reading && reading->hasTwoCounts();
    if (twoCounts) {
        civil.setText(
            QStringLiteral("นับแบบ&สากล: %1 %2").arg(MonthItems[reading->civilMonth], YearItems[reading->civilYear]));
        traditional.setText(QStringLiteral("นับแบบไ&ทย ตามจันทรคติ: %1 %2")
                                .arg(MonthItems[reading->traditionalMonth], YearItems[reading->traditionalYear]));
        control<countNote>().setText(QStringLiteral("แบบไทยนับเดือนตามจันทรคติ และเปลี่ยนปีนักษัตรวันขึ้น 1 ค่ำ เดือน 5 (%1)")
                                         .arg(q(dayAndMonthWording(reading->fifthMonth))));
    }
    for (const DateControl part : {civilYear, traditionalYear, countNote})
        control(part).setVisible(twoCounts);
    control<certificateNote>().setVisible(twoCounts && reading->hasTwoYears());

    const std::optional<Count> count = chosenCount();
    const QString choose = QStringLiteral("(เลือกด้านล่าง)");
    control<status>().setText(statusOf(fields));
    control<foundWeekday>().setText(reading ? WeekdayItems[reading->weekday].toString() : QString());
    control<foundMonth>().setText(count ? MonthItems[reading->month(*count)].toString()
            : reading ? (reading->hasTwoMonths() ? choose : MonthItems[reading->civilMonth].toString())
                      : QString());
    control<foundYear>().setText(count ? YearItems[reading->year(*count)].toString()
            : reading                  ? (reading->hasTwoYears() ? choose : YearItems[reading->civilYear].toString())
                                       : QString());
    control<DateControl::lunarDate>().setText(reading ? q(lunarDateWording(*reading)) : QString());
    control<estimateNote>().setVisible(reading && !reading->lunar.exact);
    control<sum>().setText(count ? q(Working(DayTable[reading->weekday].key, MonthTable[reading->month(*count)].key,
                               YearTable[reading->year(*count)].key))
                                 : QString());

    // For a birth before dawn, the day that is counted.
    const LabelHandle dawn = control<dawnNote>();
    if (reading && control<beforeDawn>().isChecked())
        dawn.setText(QStringLiteral("นับแบบไทย วันใหม่เริ่มตอนรุ่งเช้า: นับเป็นวันที่ ") + q(civilDateWording(reading->thaiDay)));
    else
        dawn.setText(Controls[indexOf(dawnNote)].text.toString());
    sayWhatChanged();
}

void Form7::Field_Refused(DateControl field)
{
    Fields_Change();
    control<status>().setText(RefusedText.toString() + (field == dayField ? NoDayText : NoYearText).toString());
}

QString Form7::whatTheScreenSays() const
{
    QStringList parts{control<status>().text()};
    const auto say = [&parts](const LabelHandle &line, const QString &caption = {}) {
        if (!line.isHidden() && !line.text().isEmpty())
            parts << (caption.isEmpty() ? line.text() : caption + u' ' + line.text());
    };
    // The year of the other era, unless the line above the results names it.
    if (const LabelHandle otherEra = control<commonEraYear>(); !parts.front().contains(otherEra.text()))
        say(otherEra);
    if (control<beforeDawn>().isChecked() && m_fields.reading)
        say(control<dawnNote>());
    say(control<foundWeekday>(), control<foundWeekdayCaption>().text());
    say(control<foundMonth>(), control<foundMonthCaption>().text());
    say(control<foundYear>(), control<foundYearCaption>().text());
    say(control<DateControl::lunarDate>(), control<lunarCaption>().text());
    say(control<estimateNote>());
    say(control<sum>(), control<sumCaption>().text());
    // What a choice rests on, while it is open.
    if (m_fields.reading && !chosenCount()) {
        say(control<countNote>());
        say(control<certificateNote>());
    }
    return parts.join(u' ');
}

void Form7::sayWhatChanged()
{
    // Once every handler of this change has run and every line is filled.
    later([this] {
        const QString now = whatTheScreenSays();
        if (now != m_spoken)
            announce(window(), now);
        m_spoken = now;
    });
}

} // namespace duset
