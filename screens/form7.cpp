// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form7.h"

#include "announce.h"
#include "builder.h"
#include "lists.h"
#include "look.h"
#include "screens.h"

#include <QStringList>

#include <span>

namespace duset {

namespace {

using enum DateControl;

// The first Buddhist Era year that began on 1 January.
constexpr int OldNewYearEnded = 2484;

using enum Control::Kind;

// What the line above the results says while the date is not whole yet.
constexpr QStringView AskForTheDate = u"ใส่วันที่ เลือกเดือน และพิมพ์ปี พ.ศ. ที่เกิด";

// What it says of text in the day or the year field that is no number, or
// that the field refused.
constexpr QStringView NoDay = u"วันที่ต้องเป็นตัวเลข 1 ถึง 31";
constexpr QStringView NoYear = u"ปีเกิดต้องเป็นตัวเลข พ.ศ. เช่น 2530";

// The white-on-orange word on the top line of a field or a result, left of it.
constexpr Control rowLabel(std::string_view name, int top, int tabIndex, QStringView text)
{
    return fieldLabel(name, 240, top, 1095, tabIndex, text);
}

// A line of text on the star field, across the screen, with room for the
// stacked marks of its longer sentences.
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

constexpr Control button(std::string_view name, int left, int tabIndex, QStringView text)
{
    return periwinkleButton(name, left, 6240, 1695, 495, tabIndex, text);
}

// Above, the three fields of the date and the hour of birth; below, what they
// come to: a line that says what is missing or wrong, the three items, and
// the date in the lunar calendar, which for the years before the calendar's
// table is an estimate and says so. Early in the year two animal years
// compete and the person chooses one.
constexpr Control Controls[] = {
    title(0, 7800, 0, u"หาวัน เดือน ปีเกิด จากวันเกิด", "title"),
    rowLabel("dayCaption", 840, 1, u"&วัน"),
    {.kind = TextBox,
        .name = "dayField",
        .left = 1440,
        .top = 840,
        .width = 855,
        .height = 330,
        .tabIndex = 2,
        .maxLength = 2,
        .numbers = true},
    rowLabel("monthCaption", 1320, 3, u"เ&ดือน"),
    {.kind = DropDownList,
        .name = "monthList",
        .left = 1440,
        .top = 1320,
        .width = 2535,
        .height = 330,
        .tabIndex = 4,
        .items = MonthItems},
    rowLabel("yearCaption", 1800, 5, u"ปี &พ.ศ."),
    {.kind = TextBox,
        .name = "yearField",
        .left = 1440,
        .top = 1800,
        .width = 855,
        .height = 330,
        .tabIndex = 6,
        .maxLength = 4,
        .numbers = true},
    line("commonEraYear", 2400, 1845, 1800, 7, White),
    line("beforeDawn", 240, 2340, 7320, 8, White, u"เกิดหลังเที่ยงคืน ก่อน 6 โมงเ&ช้า", CheckBox),
    line("dawnNote", 240, 2640, 7320, 9, Orange, u"นับแบบไทย วันใหม่เริ่มตอนรุ่งเช้า: เกิดก่อน 06:00 นับเป็นวันก่อนหน้า"),
    {.kind = Label,
        .name = "status",
        .text = AskForTheDate,
        .left = 240,
        .top = 3060,
        .width = 7320,
        .height = 285,
        .font = DialogFace,
        .foreColor = Green,
        .backColor = PaleYellow,
        .alignment = Alignment::Centre,
        .tabIndex = 10},
    rowLabel("foundWeekdayCaption", 3480, 11, u"วัน"),
    line("foundWeekday", 1440, 3480, 6120, 12, White),
    rowLabel("foundMonthCaption", 3840, 13, u"เดือน"),
    line("foundMonth", 1440, 3840, 6120, 14, White),
    rowLabel("foundYearCaption", 4200, 15, u"ปีเกิด"),
    line("foundYear", 1440, 4200, 6120, 16, White),
    rowLabel("lunarCaption", 4560, 17, u"จันทรคติ"),
    line("lunarDate", 1440, 4560, 6120, 18, White),
    line("estimateNote", 240, 4920, 7320, 19, Orange, u"ก่อน พ.ศ. 2457 วันทางจันทรคติเป็นเพียงค่าประมาณ"),
    line("civilYear", 240, 5220, 7320, 20, White, {}, OptionButton),
    line("traditionalYear", 240, 5520, 7320, 21, White, {}, OptionButton),
    line("certificateNote", 240, 5820, 7320, 22, Orange, u"ถ้าสูติบัตรระบุปีนักษัตรไว้ ให้เลือกตามสูติบัตร"),
    button("handOver", 4080, 23, u"&นำไปทำนาย"),
    button("back", 5880, 24, u"&กลับ"),
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

// The value of a digit 0 to 9 or a Thai digit ๐ to ๙; no other figure of
// any script, nor a digit raised or in a circle, is read as one.
std::optional<int> digitValue(QChar character)
{
    if (character >= u'0' && character <= u'9')
        return character.unicode() - u'0';
    if (character >= u'๐' && character <= u'๙')
        return character.unicode() - u'๐';
    return std::nullopt;
}

// A whole number of up to four digits.
std::optional<int> numberIn(const QString &text)
{
    if (text.isEmpty() || text.size() > 4)
        return std::nullopt;
    int value = 0;
    for (const QChar character : text) {
        const std::optional<int> digit = digitValue(character);
        if (!digit)
            return std::nullopt;
        value = value * 10 + *digit;
    }
    return value;
}

// A number in Thai digits, as Thai calendars print lunar dates.
QString thaiDigits(int number)
{
    QString text = QString::number(number);
    for (QChar &character : text)
        character = QChar(character.unicode() - u'0' + u'๐');
    return text;
}

// The lunar date as Thai calendars and birth certificates write it, with the
// weekday and the animal of the traditional count: "วันพุธ แรม ๑๓ ค่ำ เดือนยี่
// ปีกุน". The first two months have names; the others, the second eighth
// month ๘๘ included, are numbers.
QString lunarDateLine(const BirthReading &reading)
{
    const LunarDate &date = reading.lunar;
    const QStringView animal = YearItems[reading.traditionalYear];
    QString line = WeekdayItems[reading.weekday].toString();
    line += date.waxing ? u" ขึ้น " : u" แรม ";
    line += thaiDigits(date.day);
    line += u" ค่ำ เดือน";
    line += date.month == 1 ? QStringLiteral("อ้าย")
        : date.month == 2   ? QStringLiteral("ยี่")
                            : u' ' + thaiDigits(date.month);
    line += u' ';
    line += animal.left(animal.indexOf(u' ')); // the animal's name without the beast: "ปีกุน"
    return line;
}

// The day and month of the fifth lunar month's first day, which is always in
// March or April: "22 มีนาคม".
QString dayAndMonth(std::chrono::sys_days day)
{
    const std::chrono::year_month_day date{day};
    const QStringView month = MonthItems[static_cast<unsigned>(date.month()) - 1];
    return QString::number(static_cast<unsigned>(date.day())) + u' '
        + month.mid(QStringView(u"เดือน").size()).toString();
}

} // namespace

constexpr std::span<const Control> describedBy(DateControl)
{
    return describing<DateControl::Back>(Controls);
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
    Fields_Change();
    m_spoken = whatTheScreenSays();
}

void Form7::connectHandlers()
{
    onClick<HandOver>([this] { handOver_Click(); });
    onClick<Back>([this] { back_Click(); });
    // A click that an access key left pending can toggle a choice after the
    // hand-over has unloaded this window: only the loaded window's fields
    // are read.
    onTextChange<DayField>([this] { Fields_Change(); });
    onRefusal<DayField>([this] { Field_Refused(DayField); });
    onChoice<MonthList>([this] { Fields_Change(); });
    onTextChange<YearField>([this] { Fields_Change(); });
    onRefusal<YearField>([this] { Field_Refused(YearField); });
    onToggle<BeforeDawn>([this] { Fields_Change(); });
    onToggle<Civil>([this] { Fields_Change(); });
    onToggle<Traditional>([this] { Fields_Change(); });
}

void Form7::handOver_Click()
{
    const std::optional<std::size_t> year = chosenYear();
    if (!year) {
        // The line above the results already says what is missing or wrong;
        // the focus goes where it can be mended.
        control(m_reading ? Civil : m_fault).setFocus();
        announce(window(), control<Status>().text());
        return;
    }
    const EntryTexts items{WeekdayItems[m_reading->weekday].toString(), MonthItems[m_reading->month].toString(),
        YearItems[*year].toString()};
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

QString Form7::whatTheScreenSays() const
{
    QStringList parts{control<Status>().text()};
    for (const ResultLine &result : resultLines()) {
        if (const QString line = result.line.text(); !line.isEmpty())
            parts << result.caption.text().remove(u'&') + u' ' + line;
    }
    // The note that the lunar day is an estimate stands under the results.
    if (const LabelHandle note = control<EstimateNote>(); !note.isHidden())
        parts << note.text();
    return parts.join(u' ');
}

void Form7::sayWhatChanged()
{
    // Once every handler of this change has run and every line is filled.
    QMetaObject::invokeMethod(
        window(),
        [this, shown = window()] {
            if (window() != shown)
                return;
            const QString now = whatTheScreenSays();
            if (now != m_spoken)
                announce(shown, now);
            m_spoken = now;
        },
        Qt::QueuedConnection);
}

std::optional<std::size_t> Form7::chosenYear() const
{
    if (!m_reading)
        return std::nullopt;
    if (!m_reading->hasTwoYears())
        return m_reading->civilYear;
    if (control<Civil>().isChecked())
        return m_reading->civilYear;
    if (control<Traditional>().isChecked())
        return m_reading->traditionalYear;
    return std::nullopt;
}

void Form7::Fields_Change()
{
    const QString dayText = control<DayField>().text().trimmed();
    const int day = numberIn(dayText).value_or(0); // 0 where the field holds no day of a month
    const bool hasDay = day >= 1 && day <= 31;
    const int month = control<MonthList>().currentIndex() + 1;
    const QString yearText = control<YearField>().text().trimmed();
    const std::optional<int> year = numberIn(yearText);
    const bool beforeDawn = control<BeforeDawn>().isChecked();

    const bool yearInRange = year && *year >= FirstBuddhistYear && *year <= LastBuddhistYear;
    control<CommonEraYear>().setText(
        yearInRange ? QStringLiteral("ค.ศ. ") + QString::number(*year - BuddhistEraOffset) : QString());

    QString status;
    std::optional<BirthReading> reading;
    m_fault = !hasDay ? DayField : month == 0 ? MonthList : YearField;
    if (!dayText.isEmpty() && !hasDay) {
        status = NoDay.toString();
    } else if (!yearText.isEmpty() && !year) {
        status = NoYear.toString();
        m_fault = YearField;
    } else if (yearText.size() == 4 && !yearInRange) {
        status = QStringLiteral("รับเฉพาะปี พ.ศ. %1 ถึง %2").arg(FirstBuddhistYear).arg(LastBuddhistYear);
        m_fault = YearField;
    } else if (!hasDay || month == 0 || yearText.size() < 4) {
        status = AskForTheDate.toString();
    } else {
        reading = readBirthDate(day, month, *year, beforeDawn);
        if (reading->problem != BirthReading::Problem::None) {
            status = QStringLiteral("ไม่มีวันที่ %1 ใน%2 ปี พ.ศ. %3")
                         .arg(day)
                         .arg(MonthItems[static_cast<std::size_t>(month - 1)])
                         .arg(*year);
            reading.reset();
            m_fault = DayField;
        }
    }

    // A new pair of animal years asks for a new choice.
    const ChoiceHandle civil = control<Civil>();
    const ChoiceHandle traditional = control<Traditional>();
    const bool samePair = reading && m_reading && reading->hasTwoYears() && m_reading->hasTwoYears()
        && reading->civilYear == m_reading->civilYear && reading->traditionalYear == m_reading->traditionalYear;
    m_reading = reading;
    if (!samePair) {
        civil.clear();
        traditional.clear();
    }
    const bool twoYears = m_reading && m_reading->hasTwoYears();
    if (twoYears) {
        civil.setText(QStringLiteral("นับแบบ&สากล ปีเปลี่ยน 1 มกราคม: ") + YearItems[m_reading->civilYear].toString());
        traditional.setText(
            QStringLiteral("นับแบบไ&ทย ปีเปลี่ยนวันขึ้น 1 ค่ำ เดือน 5 (%1): ").arg(dayAndMonth(m_reading->fifthMonth))
            + YearItems[m_reading->traditionalYear].toString());
    }
    for (const DateControl part : {Civil, Traditional, CertificateNote})
        control(part).setVisible(twoYears);

    const std::optional<std::size_t> chosen = chosenYear();
    // Until 2484 the Buddhist Era year began on 1 April, so a paper from then
    // may name January to March by a year one less than the count used here.
    if (m_reading && *year < OldNewYearEnded && month <= 3)
        status = QStringLiteral("ก่อน พ.ศ. %1 ปีใหม่เริ่ม 1 เมษายน: ตรวจว่า ค.ศ. ข้างช่องปีตรงกับปีที่เกิด").arg(OldNewYearEnded);
    else if (m_reading)
        status = twoYears && !chosen ? QStringLiteral("เกิดต้นปี จึงนับปีนักษัตรได้สองแบบ: เลือกด้านล่าง")
                                     : QStringLiteral("ครบแล้ว: กดปุ่ม %1").arg(QStringView(u"นำไปทำนาย"));
    control<Status>().setText(status);
    control<FoundWeekday>().setText(m_reading ? WeekdayItems[m_reading->weekday].toString() : QString());
    control<FoundMonth>().setText(m_reading ? MonthItems[m_reading->month].toString() : QString());
    control<FoundYear>().setText(chosen ? YearItems[*chosen].toString()
            : twoYears                  ? QStringLiteral("(เลือกด้านล่าง)")
                                        : QString());
    control<Lunar>().setText(m_reading ? lunarDateLine(*m_reading) : QString());
    control<EstimateNote>().setVisible(m_reading && !m_reading->lunar.exact);
    sayWhatChanged();
}

void Form7::Field_Refused(DateControl field)
{
    Fields_Change();
    m_fault = field;
    control<Status>().setText((field == DayField ? NoDay : NoYear).toString());
}

} // namespace duset
