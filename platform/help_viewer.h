#pragma once
// The program's help: NUDGERY.HLP, an HTML document with a contents list at its top and one
// section per topic number (an anchor named after the number), shown in a help window.

#include <QString>
#include <memory>

class QTextBrowser;
class QWidget;

namespace nudgery {

class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    // Shows the help at the topic's section, or at the contents when the file has no such
    // topic, over `opener`, the window the user asked from (null: none); a missing help file
    // is reported in the viewer.
    virtual void ShowTopic(int topic, QWidget* opener) = 0;
};

// F1 anywhere in `window` shows `topic` over it; every window binds its own topic here.
void BindHelpKey(QWidget& window, HelpViewer& help, int topic);

// One help window, made on first use and reused for every later topic. The window is a
// top-level widget owned here, so the viewer must end before the application object.
class HelpWindowViewer final : public HelpViewer {
public:
    static constexpr const char* Title = QT_TRANSLATE_NOOP("HelpViewer", "Nudgery! Help");

    explicit HelpWindowViewer(QString helpFile);
    ~HelpWindowViewer() override;

    // Opening centres the window on `opener` (on the screen without one), kept whole on the
    // screen; a window already open stays where the user put it. Over an opener that stays
    // on top of other windows, the help stays on top too.
    void ShowTopic(int topic, QWidget* opener) override;

    // The window, or null before the first topic was shown.
    QTextBrowser* Window() const { return window_.get(); }

private:
    void CreateWindow();
    void PlaceOver(const QWidget* opener);
    void ShowFileAt(int topic);

    QString helpFile_;
    std::unique_ptr<QTextBrowser> window_;
};

// The help file's name in the program's folder (which ends in a path separator).
QString HelpFileName(const QString& programFolder);

// The help file of the program in `executableFolder`: next to it (a build), else in
// ../share/nudgery/ (an installed program); when neither exists, the one next to it, so
// that the help window names where it looked first.
QString FindHelpFile(const QString& executableFolder);

} // namespace nudgery
