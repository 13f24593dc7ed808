#pragma once

#include <QObject>
#include <QPointer>

#include <array>
#include <functional>
#include <memory>

namespace duset {

class Screen;
class ScreenWindow;

enum class ScreenId { Form1, Form2, Form3, Form4, Form5, Form6 };

inline constexpr std::array AllScreens{
    ScreenId::Form1, ScreenId::Form2, ScreenId::Form3, ScreenId::Form4, ScreenId::Form5, ScreenId::Form6};

// The hub that the program opens on and that every way back leads to.
inline constexpr ScreenId MainMenu = ScreenId::Form4;

// One slot per screen. A slot is filled at the first reference to its screen
// and keeps that instance until the program ends; every screen operation goes
// through it. The registry also owns the program's lifetime: the program runs
// while at least one screen is loaded, visible or not.
class ScreenRegistry : public QObject {
    Q_OBJECT

public:
    using Factory = std::function<std::unique_ptr<Screen>(ScreenRegistry &, ScreenId)>;

    explicit ScreenRegistry(Factory factory, QObject *parent = nullptr);
    ~ScreenRegistry() override;

    // The screen's instance, created at the first reference.
    Screen &operator[](ScreenId id);
    // The screen's instance if its slot is filled, without filling it.
    Screen *peek(ScreenId id) const;

    void Show(ScreenId id);
    void Hide(ScreenId id);
    void Unload(ScreenId id);
    void End();

    // What the title bar's close button of a screen leads to.
    void closeButton(ScreenId id);

    // The guard around every handler: a step that fails is reported in a
    // message box and ends the program with a non-zero status. Once the
    // program has ended, no handler runs any more.
    void runHandler(const std::function<void()> &handler);

    bool hasEnded() const { return m_ended; }
    int exitStatus() const { return m_exitStatus; }

signals:
    void programEnded(int status);

private:
    friend class Screen;
    void discard(ScreenWindow *window);
    void endIfNothingLoaded();
    void endProgram(int status);

    Factory m_factory;
    std::array<std::unique_ptr<Screen>, AllScreens.size()> m_slots;
    std::vector<QPointer<ScreenWindow>> m_discarded;
    bool m_lifetimeCheckPending = false;
    bool m_ended = false;
    int m_exitStatus = 0;
};

} // namespace duset
