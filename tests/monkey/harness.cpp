// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "harness.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <stdexcept>

namespace duset::monkey {

std::vector<Action> makeActions(std::uint64_t seed, std::size_t count)
{
    // How often each kind comes, out of 100.
    constexpr std::pair<Action::Kind, int> Weights[] = {
        {Action::Kind::Click, 18},
        {Action::Kind::RightClick, 3},
        {Action::Kind::Choose, 18},
        {Action::Kind::Key, 20},
        {Action::Kind::AccessKey, 14},
        {Action::Kind::Menu, 7},
        {Action::Kind::Close, 3},
        {Action::Kind::Type, 11},
        {Action::Kind::Paste, 6},
    };
    Rng rng(seed);
    std::vector<Action> actions(count);
    for (Action &action : actions) {
        int roll = int(rng.below(100));
        for (const auto &[kind, weight] : Weights) {
            if (roll < weight) {
                action.kind = kind;
                break;
            }
            roll -= weight;
        }
        action.which = std::uint32_t(rng.next());
        action.how = std::uint32_t(rng.next());
        action.text = std::uint32_t(rng.next());
        // What a fast typist or a screen reader's script does: the keys and
        // clicks that set something going later are now and then followed at
        // once by the next.
        const bool delayed = action.kind == Action::Kind::AccessKey || action.kind == Action::Kind::Click
            || action.kind == Action::Kind::Key || action.kind == Action::Kind::Choose;
        action.quick = delayed && rng.chance(30);
    }
    return actions;
}

QByteArray serialise(const std::vector<Action> &actions)
{
    QByteArray out;
    for (const Action &action : actions) {
        for (const auto &[kind, name] : KindNames) {
            if (kind == action.kind)
                out += name;
        }
        out += ' ' + QByteArray::number(action.which) + ' ' + QByteArray::number(action.how) + ' '
            + QByteArray::number(action.text) + (action.quick ? " quick\n" : "\n");
    }
    return out;
}

std::vector<Action> deserialise(const QByteArray &in)
{
    std::vector<Action> actions;
    for (const QByteArray &line : in.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() != 4 && fields.size() != 5)
            continue;
        Action action;
        bool known = false;
        for (const auto &[kind, name] : KindNames) {
            if (fields[0] == name) {
                action.kind = kind;
                known = true;
            }
        }
        if (!known)
            throw std::runtime_error("no such action: " + fields[0].toStdString());
        action.which = fields[1].toUInt();
        action.how = fields[2].toUInt();
        action.text = fields[3].toUInt();
        action.quick = fields.size() == 5 && fields[4] == "quick";
        actions.push_back(action);
    }
    return actions;
}

QByteArray reportFailure(const Failure &failure)
{
    return "monkey: failed after action " + QByteArray::number(qulonglong(failure.action)) + ": "
        + failure.kind.toUtf8() + ": " + failure.detail.toUtf8() + '\n';
}

QByteArray reportReach(const Reach &reach)
{
    QByteArray line = "monkey: reach: " + QByteArray::number(reach.warnings) + ' ' + QByteArray::number(reach.verdicts);
    for (const int opened : reach.opened)
        line += ' ' + QByteArray::number(opened);
    return line + '\n';
}

namespace {

Reach readReach(const QString &output)
{
    Reach reach;
    const QRegularExpression reported(u"^monkey: reach: ([\\d ]+)$"_qs, QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = reported.match(output);
    if (!match.hasMatch())
        return reach;
    const QStringList numbers = match.captured(1).split(u' ', Qt::SkipEmptyParts);
    reach.warnings = numbers.value(0).toInt();
    reach.verdicts = numbers.value(1).toInt();
    for (qsizetype i = 2; i < numbers.size(); ++i)
        reach.opened.push_back(numbers[i].toInt());
    return reach;
}

} // namespace

Runner::Runner(QTemporaryDir &dir)
    : m_dir(dir)
{
}

Outcome Runner::run(const std::vector<Action> &actions, bool narrate) const
{
    const QString list = m_dir.filePath(u"actions.txt"_qs);
    const QString progress = m_dir.filePath(u"progress"_qs);
    QFile file(list);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(serialise(actions)) < 0)
        throw std::runtime_error("cannot write the list of actions");
    file.close();
    QFile::remove(progress);

    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"DUSET_MONKEY_REPLAY"_qs, list);
    environment.insert(u"DUSET_MONKEY_PROGRESS"_qs, progress);
    environment.insert(u"DUSET_MONKEY_NARRATE"_qs, narrate ? u"1"_qs : u"0"_qs);
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    // Only the last, narrated run waits for a stack trace of a crash.
    QStringList arguments{u"monkey"_qs};
    if (!narrate)
        arguments << u"-nocrashhandler"_qs;
    child.start(QCoreApplication::applicationFilePath(), arguments);
    // Generous: a slow sanitizer build takes a few milliseconds an action.
    const int limit = 120'000 + int(std::min<std::size_t>(actions.size(), 1'000'000) * 100);
    const bool finished = child.waitForFinished(limit);
    if (!finished) {
        child.kill();
        child.waitForFinished();
    }
    Outcome outcome;
    outcome.output = QString::fromUtf8(child.readAll());
    outcome.reach = readReach(outcome.output);
    if (finished && child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0)
        return outcome;

    outcome.passed = false;
    const QRegularExpression reported(u"monkey: failed after action (\\d+): ([\\w-]+): (.*)"_qs);
    const QRegularExpressionMatch match = reported.match(outcome.output);
    if (match.hasMatch()) {
        outcome.failure = {match.captured(1).toULongLong(), match.captured(2), match.captured(3)};
        return outcome;
    }
    // A crash or a hang says nothing; the progress file tells where it was.
    std::size_t at = 0;
    QFile where(progress);
    if (where.open(QIODevice::ReadOnly))
        where.read(reinterpret_cast<char *>(&at), sizeof at);
    const QStringList lines = outcome.output.split(u'\n');
    outcome.failure
        = {at, finished ? u"crash"_qs : u"hang"_qs, lines.mid(std::max<qsizetype>(0, lines.size() - 40)).join(u'\n')};
    return outcome;
}

std::vector<Action> Runner::shrink(std::vector<Action> actions, const QString &kind, qint64 budgetMs) const
{
    QElapsedTimer clock;
    clock.start();
    std::size_t chunk = actions.size() / 2;
    while (chunk >= 1 && clock.elapsed() < budgetMs) {
        bool removed = false;
        for (std::size_t start = 0; start < actions.size() && clock.elapsed() < budgetMs;) {
            std::vector<Action> candidate(actions.begin(), actions.begin() + qsizetype(start));
            candidate.insert(
                candidate.end(), actions.begin() + qsizetype(std::min(actions.size(), start + chunk)), actions.end());
            const Outcome outcome = run(candidate, false);
            if (!outcome.passed && outcome.failure.kind == kind) {
                candidate.resize(std::min(candidate.size(), outcome.failure.action + 1));
                actions = candidate;
                removed = true;
            } else {
                start += chunk;
            }
        }
        if (!removed)
            chunk /= 2;
        chunk = std::min(chunk, actions.size() / 2 ? actions.size() / 2 : 1);
    }
    return actions;
}

std::uint64_t seedFromEnvironment()
{
    const QByteArray seed = qgetenv("DUSET_MONKEY_SEED");
    if (seed == "random")
        return QRandomGenerator::system()->generate64();
    if (seed.isEmpty())
        return 1;
    bool ok = false;
    const std::uint64_t value = seed.toULongLong(&ok);
    if (!ok)
        throw std::runtime_error("DUSET_MONKEY_SEED is no number");
    return value;
}

std::size_t countFromEnvironment()
{
    const QByteArray count = qgetenv("DUSET_MONKEY_ACTIONS");
    return count.isEmpty() ? 3000 : std::size_t(count.toULongLong());
}

} // namespace duset::monkey
