#include "Pref.h"

#include "EditorStyle.h"
#include "alerts/Settings.h"
#include "alerts/SoundFileChoice.h"
#include "alerts/SoundPlayback.h"
#include "platform/desktop_font.h"
#include "platform/help_viewer.h"
#include "ui/controls/SpinEdit.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QStyle>
#include <algorithm>
#include <array>
#include <limits>

namespace nudgery {

namespace {

constexpr int ClientWidth = 512;
// The seven preferences of old take 352 pixels; the repeated sound has a band below them.
constexpr int RepeatPanelTop = 352;
constexpr int RepeatPanelHeight = 40;
constexpr int ButtonBandTop = RepeatPanelTop + RepeatPanelHeight;
constexpr int ClientHeight = ButtonBandTop + 48;
constexpr int MinutesMin = 1;
constexpr int MinutesMax = 60;
constexpr int MinutesDesignValue = 10;
// Left and right margin of the panels' contents, and the height of one-line controls.
constexpr int Margin = 16;
constexpr int RowHeight = 22;

// The notification's answer at the time-out, by item of the Action list.
constexpr std::array<std::int32_t, 5> TimeoutActions = {1, -5, -10, -30, -60};

// The Action item for a stored answer: OK is stored as 1, and as 0 when no time-out was
// ever set; -1 (no item) for any answer the list does not offer.
int ActionIndexOf(std::int32_t timeoutAction) {
    if (timeoutAction == 0)
        return 0;
    const auto* found = std::find(TimeoutActions.begin(), TimeoutActions.end(), timeoutAction);
    return found == TimeoutActions.end() ? -1 : static_cast<int>(found - TimeoutActions.begin());
}

QFrame* Panel(QWidget* parent, const char* name, const QRect& geometry) {
    auto* panel = Named(new QFrame(parent), name);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(geometry);
    return panel;
}

QLabel* Label(QWidget* parent, const QString& text, const QRect& geometry) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    return label;
}

QLabel* ItalicLabel(QWidget* parent, const QString& text, const QRect& geometry) {
    QLabel* label = Label(parent, text, geometry);
    QFont italic = label->font();
    italic.setItalic(true);
    label->setFont(italic);
    return label;
}

// A push button with one of the style's standard glyphs.
QPushButton* Button(QWidget& parent, const char* name, const QString& caption,
                    const QString& tooltip, QStyle::StandardPixmap glyph, const QRect& geometry) {
    QPushButton* button =
        AddButton(parent, name, caption, tooltip, geometry.topLeft(), geometry.size());
    button->setIcon(parent.style()->standardIcon(glyph));
    return button;
}

} // namespace

TPreferences::TPreferences(const PreferencesServices& services, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      services_(services) {
    setObjectName(QStringLiteral("Preferences"));
    setWindowTitle(tr("Preferences"));
    setFont(DesktopFontInPixels(11));
    setFixedSize(ClientWidth, ClientHeight);

    CreateDefaultActionPanel();
    CreateDefaultSoundPanel();
    CreateTimeoutPanel();
    CreateOptionsPanel();
    CreateRepeatSoundPanel();
    CreateButtonBand();
    SetTabOrder();
    BindHelpKey(*this, services_.help, HelpTopic);
}

TPreferences::~TPreferences() = default;

void TPreferences::CreateDefaultActionPanel() {
    QFrame* panel = Panel(this, "DefaultActionPanel", QRect(0, 0, ClientWidth, 56));
    QLabel* label =
        Label(panel, tr("Default action when a reminder is triggered"), QRect(16, 9, 480, 14));
    EventTypeCombo =
        DropDownList(*panel, "EventTypeCombo", EventTypeItems(),
                     tr("Select the default action to take when a reminder\nis triggered"),
                     QRect(16, 27, 260, 22));
    // What names the list for a screen reader, which otherwise hears only its chosen item.
    label->setBuddy(EventTypeCombo);
}

void TPreferences::CreateDefaultSoundPanel() {
    QFrame* panel = Panel(this, "DefaultSoundPanel", QRect(0, 56, ClientWidth, 92));
    QLabel* label = Label(panel, tr("Default Sound File (*.wav or *.mid)"), QRect(16, 8, 480, 14));
    WaveFileEdit = Named(new QLineEdit(panel), "WaveFileEdit",
                         tr("Path and name of the sound file (*.wav or *.mid)"));
    WaveFileEdit->setGeometry(16, 25, 480, 22);
    label->setBuddy(WaveFileEdit);
    SelectWavButton = Button(*panel, "SelectWavButton", tr("&Choose"), ChooseSoundTooltip(),
                             QStyle::SP_DialogOpenButton, QRect(16, 56, 96, 26));
    PlayNowButton = Button(*panel, "PlayNowButton", tr("Play &Now"),
                           tr("Play the sound file you have selected"), QStyle::SP_MediaPlay,
                           QRect(120, 56, 96, 26));
    BitBtn1 = Button(*panel, "BitBtn1", tr("Shhhh"), tr("Stop a sound file from playing"),
                     QStyle::SP_MediaStop, QRect(224, 56, 96, 26));
    connect(SelectWavButton, &QPushButton::clicked, this, &TPreferences::SelectWavButtonClick);
    connect(PlayNowButton, &QPushButton::clicked, this, &TPreferences::PlayNowButtonClick);
    connect(BitBtn1, &QPushButton::clicked, this, &TPreferences::BitBtn1Click);
}

void TPreferences::CreateTimeoutPanel() {
    QFrame* panel = Panel(this, "TimeoutPanel", QRect(0, 148, ClientWidth, 88));
    QLabel* explanation =
        Label(panel,
              tr("When Nudgery! shows a reminder,  there may be times when you are not at "
                 "your desk and cannot respond by clicking one of the buttons. In this "
                 "situation, Nudgery should:"),
              QRect(16, 8, 480, 30));
    explanation->setWordWrap(true);
    Continue = Named(new QRadioButton(tr("Continue waiting "), panel), "Continue",
                     tr("Select here to have Nudgery! continue waiting\nindefinately"));
    Continue->setChecked(true);
    WaitFor = Named(new QRadioButton(tr("Wait for"), panel), "WaitFor",
                    tr("Select here to have Nudgery! timeout after a\ncertain number of minutes"));
    Minutes = Named(new TSpinEdit(MinutesMin, MinutesMax, panel), "Minutes",
                    tr("Select the number of minutes Nudgery! should\nwait before a timeout"));
    Minutes->SetValue(MinutesDesignValue);
    Minutes->resize(48, RowHeight);
    auto* minutesLabel = new QLabel(tr("minutes, then:"), panel);
    Action = DropDownList(
        *panel, "Action",
        {tr("Click the OK button"), tr("Click the 5 minutes button"),
         tr("Click the 10 minutes button"), tr("Click the 30 minutes button"),
         tr("Click the 60 minutes button")},
        tr("Nudgery should take the following action when\na time-out is reached"), {});
    // One line, each part as wide as its text, so that it reads as one sentence in any
    // font; the list takes what is left, and its drop-down is never narrower than its items.
    int left = Margin;
    for (QWidget* part : {static_cast<QWidget*>(Continue), static_cast<QWidget*>(WaitFor),
                          static_cast<QWidget*>(Minutes), static_cast<QWidget*>(minutesLabel)}) {
        const int width = part == Minutes ? Minutes->width() : part->sizeHint().width();
        part->setGeometry(left, 50, width, RowHeight);
        left += width + 4;
    }
    Action->setGeometry(left, 50, std::min(Action->sizeHint().width(), ClientWidth - Margin - left),
                        RowHeight);
    Action->view()->setMinimumWidth(Action->sizeHint().width());
    // For a screen reader, which hears the line part by part.
    Minutes->setAccessibleName(tr("Minutes to wait"));
    minutesLabel->setBuddy(Action);
    connect(Continue, &QRadioButton::clicked, this, &TPreferences::ContinueClick);
    connect(WaitFor, &QRadioButton::clicked, this, &TPreferences::ContinueClick);
}

void TPreferences::CreateOptionsPanel() {
    QFrame* panel = Panel(this, "OptionsPanel", QRect(0, 236, ClientWidth, 116));
    // Each box under the one before, with its explanation in italics under it.
    int top = 8;
    const auto option = [&](const char* name, const QString& caption, const QString& tooltip,
                            const QString& explanation) {
        auto* box = Named(new QCheckBox(caption, panel), name, tooltip);
        box->setGeometry(Margin, top, 240, 18);
        top += 18;
        if (!explanation.isEmpty()) {
            ItalicLabel(panel, explanation, QRect(Margin + 18, top, 462, 14));
            top += 20;
        }
        top += 2;
        return box;
    };
    ShowHints =
        option("ShowHints", tr("Show Hints"),
               tr("Show popup help hints when the mouse\npasses over a screen item (like this!)"),
               tr("Show popup help hints when the mouse passes over a screen item"));
    MiniMizeToTray = option("MiniMizeToTray", tr("Minimize to System Tray"),
                            tr("Nudgery will place its icon in the System \nTray when minimized"),
                            tr("Nudgery will place its icon in the System Tray when minimized"));
    AnimateIcon =
        option("AnimateIcon", tr("Animate Tray Icon"),
               tr("Check here if you want a ticking clock for\nNudgery!'s tray icon"), {});

    // In the last row, where the panel has room, so that nothing else moves: beside the
    // animation box, or in its place while it is not offered (SetAnimateIconOffered).
    DesktopNotification =
        Named(new QCheckBox(tr("Also show a desktop notification"), panel), "DesktopNotification",
              tr("Also show each reminder in the desktop's notifications\nwhen it falls due"));
    DesktopNotification->setGeometry(AnimateIcon->geometry().translated(ClientWidth / 2, 0));
}

void TPreferences::CreateRepeatSoundPanel() {
    QFrame* panel =
        Panel(this, "RepeatSoundPanel", QRect(0, RepeatPanelTop, ClientWidth, RepeatPanelHeight));
    // One sentence: "Repeat the sound until answered, every 30 seconds".
    RepeatSound =
        Named(new QCheckBox(tr("&Repeat the sound until answered, every"), panel), "RepeatSound",
              tr("Play the reminder's sound again and again while its\nnotification waits for your "
                 "answer"));
    RepeatSeconds = Named(
        new TSpinEdit(Settings::RepeatSoundSecondsMin, Settings::RepeatSoundSecondsMax, panel),
        "RepeatSeconds", tr("Seconds of quiet before the sound plays again"));
    RepeatSeconds->setAccessibleName(tr("Seconds between repeats of the sound"));
    RepeatSeconds->SetStep(5);
    auto* secondsLabel = new QLabel(tr("seconds"), panel);
    const int top = (RepeatPanelHeight - RowHeight) / 2;
    RepeatSound->setGeometry(Margin, top, RepeatSound->sizeHint().width(), RowHeight);
    RepeatSeconds->setGeometry(RepeatSound->geometry().right() + 4, top, 56, RowHeight);
    secondsLabel->setGeometry(RepeatSeconds->geometry().right() + 5, top,
                              secondsLabel->sizeHint().width(), RowHeight);
    connect(RepeatSound, &QCheckBox::toggled, RepeatSeconds, &QWidget::setEnabled);
}

void TPreferences::CreateButtonBand() {
    QFrame* band = Panel(this, "ButtonBand", QRect(0, ButtonBandTop, ClientWidth, 48));
    Okbutton = Button(*band, "Okbutton", tr("Ok"), tr("Save this time"), QStyle::SP_DialogOkButton,
                      QRect(16, 11, 88, 27));
    Okbutton->setDefault(true);
    CancelButton = Button(*band, "CancelButton", tr("&Cancel"), tr("Cancel all changes made"),
                          QStyle::SP_DialogCancelButton, QRect(112, 11, 88, 27));
    Helpbutton = Button(*band, "Helpbutton", tr("&Help"), HelpButtonTooltip(),
                        QStyle::SP_DialogHelpButton, QRect(408, 11, 88, 27));
    connect(Okbutton, &QPushButton::clicked, this, &TPreferences::OkbuttonClick);
    connect(CancelButton, &QPushButton::clicked, this, &TPreferences::CancelButtonClick);
    connect(Helpbutton, &QPushButton::clicked, this, &TPreferences::HelpbuttonClick);
}

void TPreferences::SetTabOrder() {
    // As the panels stand, top to bottom: the default action, the sound, the time-out, the
    // options, the repeated sound, the buttons.
    QWidget* const order[] = {EventTypeCombo,
                              WaveFileEdit,
                              SelectWavButton,
                              PlayNowButton,
                              BitBtn1,
                              Continue,
                              WaitFor,
                              Minutes,
                              Action,
                              ShowHints,
                              MiniMizeToTray,
                              AnimateIcon,
                              DesktopNotification,
                              RepeatSound,
                              RepeatSeconds,
                              Okbutton,
                              CancelButton,
                              Helpbutton};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void TPreferences::FillFrom(const Settings& settings) {
    TimeoutSeconds = settings.TimeoutSeconds;
    TimeoutAction = settings.TimeoutAction;
    DefaultSoundFile = settings.DefaultSoundFile;
    EventTypeCombo->setCurrentIndex(settings.DefaultEventType);
    MiniMizeToTray->setChecked(settings.UseTray);
    ShowHints->setChecked(settings.ShowHintsOn);
    AnimateIcon->setChecked(settings.AnimateTrayIcon);
    DesktopNotification->setChecked(settings.DesktopNotifications);
    RepeatSound->setChecked(settings.RepeatSoundOn);
    RepeatSeconds->SetValue(settings.RepeatSoundSeconds);
    RepeatSeconds->setEnabled(settings.RepeatSoundOn);
}

void TPreferences::CopyTo(Settings& settings) const {
    settings.TimeoutSeconds = TimeoutSeconds;
    settings.TimeoutAction = TimeoutAction;
    settings.DefaultSoundFile = DefaultSoundFile;
    // A hand-edited action that the list does not offer stays as it was.
    if (EventTypeCombo->currentIndex() >= 0)
        settings.DefaultEventType = EventTypeCombo->currentIndex();
    settings.UseTray = MiniMizeToTray->isChecked();
    settings.ShowHintsOn = ShowHints->isChecked();
    settings.AnimateTrayIcon = AnimateIcon->isChecked();
    settings.DesktopNotifications = DesktopNotification->isChecked();
    settings.RepeatSoundOn = RepeatSound->isChecked();
    // A number typed out of range, the focus still in the box, is brought into it.
    settings.RepeatSoundSeconds = std::clamp(
        RepeatSeconds->Value(), Settings::RepeatSoundSecondsMin, Settings::RepeatSoundSecondsMax);
}

void TPreferences::SetAnimateIconOffered(bool offered) {
    AnimateIcon->setVisible(offered);
    DesktopNotification->move(AnimateIcon->x() + (offered ? ClientWidth / 2 : 0), AnimateIcon->y());
}

void TPreferences::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Only when the dialog opens: coming back from the file-open dialog or another program
    // must not undo what the user has changed.
    if (!event->spontaneous())
        FormActivate();
}

void TPreferences::FormActivate() {
    (TimeoutSeconds > 0 ? WaitFor : Continue)->setChecked(true);
    // 0 (no time-out) shows as 1, ready for "Wait for". A longer time-out than the box
    // offers, written into the settings file by hand, shows as it is.
    shownMinutes_ = std::max(TimeoutSeconds / 60, MinutesMin);
    Minutes->SetValue(shownMinutes_);
    Action->setCurrentIndex(ActionIndexOf(TimeoutAction));
    ContinueClick();
    WaveFileEdit->setText(QFile::decodeName(DefaultSoundFile.c_str()));
}

void TPreferences::ContinueClick() {
    const bool waits = WaitFor->isChecked();
    Action->setEnabled(waits);
    Minutes->setEnabled(waits);
}

void TPreferences::OkbuttonClick() {
    if (Continue->isChecked()) {
        TimeoutAction = 0;
        TimeoutSeconds = 0;
    } else {
        const int item = Action->currentIndex();
        if (item >= 0)
            TimeoutAction = TimeoutActions.at(static_cast<std::size_t>(item));
        // A time-out the box still shows as it was given stays, to the second; the box
        // shows only whole minutes.
        if (TimeoutSeconds <= 0 || Minutes->Value() != shownMinutes_) {
            // The number typed is taken as it stands while the focus is still in the box,
            // so it can be large; the seconds saturate rather than wrap.
            const long long seconds = static_cast<long long>(Minutes->Value()) * 60;
            TimeoutSeconds = static_cast<std::int32_t>(
                std::clamp<long long>(seconds, std::numeric_limits<std::int32_t>::min(),
                                      std::numeric_limits<std::int32_t>::max()));
        }
    }
    done(ResultOk);
}

void TPreferences::CancelButtonClick() {
    done(ResultCancel);
}

void TPreferences::reject() {
    CancelButtonClick();
}

void TPreferences::done(int result) {
    FormCloseQuery();
    QDialog::done(result);
}

void TPreferences::HelpbuttonClick() {
    services_.help.ShowTopic(HelpTopic, this);
}

void TPreferences::SelectWavButtonClick() {
    const std::optional<QString> chosen =
        ChooseSoundFile(services_.chooser, this, QFile::decodeName(DefaultSoundFile.c_str()),
                        services_.programFolder);
    if (!chosen)
        return;
    DefaultSoundFile = QFile::encodeName(*chosen).toStdString();
    WaveFileEdit->setText(*chosen);
}

void TPreferences::PlayNowButtonClick() {
    const QString path = WaveFileEdit->text();
    if (QFileInfo(path).isFile())
        services_.sound.PlayTheSound(QFile::encodeName(path).toStdString());
}

void TPreferences::BitBtn1Click() {
    services_.sound.Shutup();
}

void TPreferences::FormCloseQuery() {
    services_.sound.Shutup();
}

} // namespace nudgery
