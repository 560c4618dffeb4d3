#pragma once
// The program's help: NUDGERY.HLP in the program's folder, an HTML document with one
// section per topic number (an anchor named after the number), shown in a help window.

#include <QString>
#include <memory>

class QTextBrowser;

namespace nudgery {

class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    // Shows the help at the topic's section; a missing help file is reported in the viewer.
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

} // namespace nudgery
