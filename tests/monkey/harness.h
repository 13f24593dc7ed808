// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the monkey test runs on: a repeatable random source, actions that can
// be written out and read back, a runner that runs a list of actions in a
// child process, and a shrinker that finds the shortest list that still
// fails.

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <utility>
#include <vector>

class QTemporaryDir;

namespace duset::monkey {

// A small generator with the same numbers on every machine and library.
class Rng {
public:
    explicit Rng(std::uint64_t seed)
        : m_state(seed)
    {
    }

    std::uint64_t next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    std::uint32_t below(std::uint32_t n) { return n == 0 ? 0 : std::uint32_t(next() % n); }
    bool chance(int percent) { return below(100) < std::uint32_t(percent); }

private:
    std::uint64_t m_state;
};

// What a person does, in terms that hold on any screen: "the 7th of the
// controls on view", "the 3rd of the keys". So an action can be left out of a
// list and the rest still mean something, which is what shrinking needs.
struct Action {
    enum class Kind { Click, RightClick, Choose, Key, AccessKey, Menu, Close, Type, Paste };

    Kind kind = Kind::Click;
    std::uint32_t which = 0; // the target, modulo the number there are
    std::uint32_t how = 0; // the key, the point, the letter
    std::uint32_t text = 0; // the seed of the text typed or pasted
    // The next action comes at once, before what this one set going has
    // landed: an access key's click comes a moment after its key.
    bool quick = false;
};

inline constexpr std::pair<Action::Kind, const char *> KindNames[] = {
    {Action::Kind::Click, "click"},
    {Action::Kind::RightClick, "right-click"},
    {Action::Kind::Choose, "choose"},
    {Action::Kind::Key, "key"},
    {Action::Kind::AccessKey, "access-key"},
    {Action::Kind::Menu, "menu"},
    {Action::Kind::Close, "close"},
    {Action::Kind::Type, "type"},
    {Action::Kind::Paste, "paste"},
};

std::vector<Action> makeActions(std::uint64_t seed, std::size_t count);
QByteArray serialise(const std::vector<Action> &actions);
std::vector<Action> deserialise(const QByteArray &in);

// A check that failed: after which action, what kind of fault, how it showed.
struct Failure {
    std::size_t action = 0;
    QString kind;
    QString detail;
};

// How far a run went; a long run that never got somewhere tested little.
struct Reach {
    int warnings = 0;
    int verdicts = 0;
    std::vector<int> opened; // per screen, in the registry's order
};

struct Outcome {
    bool passed = true;
    Failure failure;
    Reach reach;
    QString output;
};

// The lines by which the child tells the parent how its run went.
QByteArray reportFailure(const Failure &failure);
QByteArray reportReach(const Reach &reach);

class Runner {
public:
    explicit Runner(QTemporaryDir &dir);

    // Runs the actions in a child process (this program again, with the
    // given test function), so that a crash or a hang is caught like any
    // other failure.
    Outcome run(const std::vector<Action> &actions, bool narrate) const;

    // Leaves out as much as it can while the run still fails in the same way
    // (delta debugging), within a time budget.
    std::vector<Action> shrink(std::vector<Action> actions, const QString &kind, qint64 budgetMs) const;

private:
    QTemporaryDir &m_dir;
};

// DUSET_MONKEY_SEED (a number or "random", 1 by default) and
// DUSET_MONKEY_ACTIONS (3,000 by default).
std::uint64_t seedFromEnvironment();
std::size_t countFromEnvironment();

} // namespace duset::monkey
