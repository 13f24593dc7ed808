// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The file of every text the program shows, and what a loaded screen shows,
// in the same terms, so the two can be compared byte for byte.
//
// The file is read as a person reads it: a line "[key]" names a text, and
// each line after it that starts and ends with "|" is one line of that text
// (lines of a text are joined by CR LF) or, for a list's items, one item.
// Between the bars everything counts, spaces too; a backslash starts an
// escape for what would not show: \\ \r \n \t and \x{HHHH}. A word in
// double angle brackets stands for what the build configures (the version,
// the credits). Lines starting with "#" and empty lines are notes.

#include "builder.h"
#include "credits.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStringDecoder>

#include <algorithm>
#include <utility>
#include <vector>

namespace duset::testing {

struct Words {
    // In the order of the file, or of the controls.
    std::vector<std::pair<QString, QStringList>> entries;
    QStringList faults; // lines that are not in the file's form, keys written twice

    const QStringList *find(const QString &key) const
    {
        for (const auto &[name, lines] : entries) {
            if (name == key)
                return &lines;
        }
        return nullptr;
    }
    // One text, its lines joined as a box joins them; empty where the file
    // has none.
    QString text(const QString &key) const
    {
        const QStringList *lines = find(key);
        return lines ? lines->join(u"\r\n") : QString();
    }
    void add(const QString &key, const QStringList &lines)
    {
        if (find(key))
            faults << u"the key [%1] is there twice"_qs.arg(key);
        entries.emplace_back(key, lines);
    }
    void addText(const QString &key, const QString &text) { add(key, text.split(u"\r\n"_qs)); }
};

// What stands in the file for a text the build configures.
inline const std::pair<QString, QString> ConfiguredTexts[] = {
    {u"⟪version⟫"_qs, QStringView(DUSET_VERSION_TEXT).toString()},
    {u"⟪author⟫"_qs, QStringView(DUSET_AUTHOR_CREDIT).toString()},
    {u"⟪contact⟫"_qs, QStringView(DUSET_CONTACT_CREDIT).toString()},
};

inline QString unescapedLine(QStringView line, QString *fault)
{
    QString text;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] != u'\\') {
            text += line[i];
            continue;
        }
        const QChar next = i + 1 < line.size() ? line[i + 1] : QChar();
        i += 1;
        if (next == u'\\')
            text += u'\\';
        else if (next == u'r')
            text += u'\r';
        else if (next == u'n')
            text += u'\n';
        else if (next == u't')
            text += u'\t';
        else if (next == u'x' && i + 1 < line.size() && line[i + 1] == u'{') {
            const qsizetype end = line.indexOf(u'}', i);
            bool ok = false;
            const uint code = end < 0 ? 0 : line.mid(i + 2, end - i - 2).toUInt(&ok, 16);
            if (!ok) {
                *fault = u"a broken \\x{} escape"_qs;
                return {};
            }
            text += QString::fromUcs4(reinterpret_cast<const char32_t *>(&code), 1);
            i = end;
        } else {
            *fault = u"an unknown escape"_qs;
            return {};
        }
    }
    for (const auto &[marker, value] : ConfiguredTexts)
        text.replace(marker, value);
    return text;
}

inline Words wordsFrom(const QByteArray &bytes)
{
    Words words;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString all = decoder(bytes);
    if (decoder.hasError())
        words.faults << u"the file is not UTF-8"_qs;
    if (!bytes.isEmpty() && !bytes.endsWith('\n'))
        words.faults << u"the last line has no end"_qs;
    const QStringList lines = all.split(u'\n');
    QString key;
    QStringList texts;
    const auto finish = [&] {
        if (!key.isEmpty())
            words.add(key, texts);
        key.clear();
        texts.clear();
    };
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const QString &line = lines[n];
        const QString where = u"line %1: "_qs.arg(n + 1);
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            finish();
            key = line.mid(1, line.size() - 2);
            continue;
        }
        if (line.size() >= 2 && line.startsWith(u'|') && line.endsWith(u'|') && !key.isEmpty()) {
            QString fault;
            const QString text = unescapedLine(QStringView(line).mid(1, line.size() - 2), &fault);
            if (!fault.isEmpty())
                words.faults << where + fault;
            texts << text;
            continue;
        }
        words.faults << where + u"neither a key nor a text between bars"_qs;
    }
    finish();
    return words;
}

inline Words wordsFromFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Words none;
        none.faults << u"cannot read "_qs + path;
        return none;
    }
    return wordsFrom(file.readAll());
}

// The program's word file, beside the tests.
inline const Words &programWords()
{
    static const Words words = wordsFromFile(QStringLiteral(DUSET_WORDS));
    return words;
}

// A text as the file writes it, for messages that show where two differ.
inline QString escapedLine(const QString &text)
{
    QString line;
    for (const char32_t code : text.toUcs4()) {
        const QChar::Category category = QChar::category(code);
        if (code == u'\\')
            line += u"\\\\"_qs;
        else if (code == u'\r')
            line += u"\\r"_qs;
        else if (code == u'\n')
            line += u"\\n"_qs;
        else if (code == u'\t')
            line += u"\\t"_qs;
        else if (category == QChar::Other_Control || category == QChar::Other_Format
            || category == QChar::Other_Surrogate || category == QChar::Other_NotAssigned
            || category == QChar::Separator_Line || category == QChar::Separator_Paragraph
            || (category == QChar::Separator_Space && code != u' '))
            line += u"\\x{"_qs + QString::number(uint(code), 16).toUpper().rightJustified(4, u'0') + u'}';
        else
            line += QString::fromUcs4(&code, 1);
    }
    return u'|' + line + u'|';
}

// Every text a loaded screen's window shows: its caption, its menus, and
// each control's caption, text and items, in the order the controls stand
// in the window. The passages of the meaning screen go by what they show,
// the texts of the remainder chosen in its list: "verse 8", "meaning 8",
// "glossary 8".
inline Words wordsShownBy(const ScreenWindow &window)
{
    Words words;
    const QString screen = window.objectName();
    const auto *remainders = window.surface()->findChild<const QComboBox *>();
    const QString chosen = remainders ? QString::number(remainders->currentIndex() + 1) : QString();
    words.addText(screen + u" caption"_qs, window.windowTitle());
    if (const auto *bar = window.findChild<QMenuBar *>()) {
        for (const QAction *item : bar->actions()) {
            const QMenu *menu = item->menu();
            if (!menu)
                continue;
            const QString name = screen + u" menu "_qs + menu->objectName();
            words.addText(name, menu->title());
            for (const QAction *entry : menu->actions()) {
                if (!entry->isSeparator())
                    words.addText(name + u'/' + entry->objectName(), entry->text());
            }
        }
    }
    for (const QWidget *widget : window.surface()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        const QString name = screen + u' ' + widget->objectName();
        if (const auto *list = qobject_cast<const QComboBox *>(widget)) {
            QStringList items;
            for (int i = 0; i < list->count(); ++i)
                items << list->itemText(i);
            words.addText(name, list->currentText());
            words.add(name + u" items"_qs, items);
        } else if (const auto *field = qobject_cast<const QLineEdit *>(widget)) {
            words.addText(name, field->text());
        } else if (const auto *passage = qobject_cast<const QPlainTextEdit *>(widget)) {
            words.add(widget->objectName() + u' ' + chosen, passage->toPlainText().split(u'\n'));
        } else if (const auto *button = qobject_cast<const QAbstractButton *>(widget)) {
            words.addText(name, button->text());
        } else if (const auto *label = qobject_cast<const QLabel *>(widget)) {
            // A picture shows no words.
            if (label->pixmap().isNull() || !label->text().isEmpty())
                words.addText(name, label->text());
        } else {
            words.addText(name + u" of an unknown kind"_qs, QString());
        }
    }
    return words;
}

// Where a shown set of texts and the file's entries under the same keys
// part: texts the file lacks, texts the file has that none shows, and
// texts that differ.
inline QStringList differences(const Words &shown, const Words &file, const QStringList &prefixes)
{
    QStringList found = shown.faults;
    for (const auto &[key, lines] : shown.entries) {
        const QStringList *written = file.find(key);
        if (!written) {
            QStringList escaped;
            for (const QString &line : lines)
                escaped << escapedLine(line);
            found << u"[%1] is not in the file; it shows\n%2"_qs.arg(key, escaped.join(u'\n'));
        } else if (*written != lines) {
            QStringList both;
            for (qsizetype i = 0; i < std::max(lines.size(), written->size()); ++i) {
                const QString was = i < written->size() ? escapedLine(written->at(i)) : u"(none)"_qs;
                const QString is = i < lines.size() ? escapedLine(lines.at(i)) : u"(none)"_qs;
                if (was != is)
                    both << u"  file:  %1\n  shown: %2"_qs.arg(was, is);
            }
            found << u"[%1] differs:\n%2"_qs.arg(key, both.join(u'\n'));
        }
    }
    for (const auto &[key, lines] : file.entries) {
        const bool ours = std::any_of(
            prefixes.begin(), prefixes.end(), [&key = key](const QString &prefix) { return key.startsWith(prefix); });
        if (ours && !shown.find(key))
            found << u"[%1] is in the file, but nothing shows it"_qs.arg(key);
    }
    return found;
}

} // namespace duset::testing
