#pragma once
// The program's help: NUDGERY.HLP, an HTML document with a contents list at its top and one
// section per topic number (an anchor named after the number), shown in a help window.

#include <QString>
#include <memory>

class QTextBrowser;

namespace nudgery {

class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    // Shows the help at the topic's section, or at the contents when the file has no such
    // topic; a missing help file is reported in the viewer.
    virtual void ShowTopic(int topic) = 0;
};

// One help window, made on first use and reused for every later topic. The window is a
// top-level widget owned here, so the viewer must end before the application object.
class HelpWindowViewer final : public HelpViewer {
public:
    explicit HelpWindowViewer(QString helpFile);
    ~HelpWindowViewer() override;

    void ShowTopic(int topic) override;

    // The window, or null before the first topic was shown.
    QTextBrowser* Window() const { return window_.get(); }

private:
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
