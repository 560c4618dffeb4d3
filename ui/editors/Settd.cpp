#include "Settd.h"

#include "EditorStyle.h"
#include "core/date_formats.h"
#include "platform/help_viewer.h"
#include "ui/controls/Graphp.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

namespace nudgery {

namespace {

constexpr QSize TileSize(24, 19);
constexpr int HeaderHeight = 16;
// Where the first row of tiles starts inside a panel.
constexpr int TilesTop = HeaderHeight + 6;
// The afternoon block sits below the morning one, this far apart.
constexpr int BlockGap = 16;
constexpr int HoursPerRow = 6;
constexpr int MinutesPerRow = 10;

// What a screen reader calls the tiles: the hour with its half of the day, the minute as
// minutes.
QString HourName(const QString& caption, bool afternoon) {
    return afternoon ? TSetTimeDialog::tr("%1 PM").arg(caption)
                     : TSetTimeDialog::tr("%1 AM").arg(caption);
}

QString MinuteName(int minute) {
    return minute == 1 ? TSetTimeDialog::tr("1 minute")
                       : TSetTimeDialog::tr("%1 minutes").arg(minute);
}

} // namespace

int TileNeighbour(int tag, int count, int perRow, int key) {
    int next = tag;
    switch (key) {
    case Qt::Key_Left:
        next = tag % perRow > 0 ? tag - 1 : tag;
        break;
    case Qt::Key_Right:
        next = tag % perRow < perRow - 1 ? tag + 1 : tag;
        break;
    case Qt::Key_Up:
        next = tag - perRow;
        break;
    case Qt::Key_Down:
        next = tag + perRow;
        break;
    default:
        break;
    }
    return next >= 0 && next < count ? next : tag;
}

TSetTimeDialog::TSetTimeDialog(const DateFormats& formats, HelpViewer& help, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      formats_(formats), help_(help) {
    setObjectName(QStringLiteral("SetTimeDialog"));
    setFont(DialogFont());
    setFixedSize(306, 334);
    AddHourTiles(*AddPanel("HourPanel", tr("Hour"), QRect(17, 8, 271, 125)));
    AddMinuteTiles(*AddPanel("MinutePanel", tr("Minute"), QRect(18, 141, 270, 144)));
    AddButtons();
    BindHelpKey(*this, help_, HelpTopic);
    ShowDateTime();
}

QFrame* TSetTimeDialog::AddPanel(const char* name, const QString& header, QRect geometry) {
    auto* panel = new QFrame(this);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(geometry);
    // A screen reader names the tiles' group as its strip does.
    panel->setAccessibleName(header);
    // The strip wears the colours of an active title bar.
    auto* strip = new QLabel(QStringLiteral("  ") + header, panel);
    strip->setObjectName(QString::fromLatin1(name) + QStringLiteral("Header"));
    strip->setGeometry(1, 1, geometry.width() - 2, HeaderHeight);
    strip->setFont(BoldFont(strip->font()));
    strip->setAutoFillBackground(true);
    QPalette colours = strip->palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Active, QPalette::Highlight));
    colours.setColor(QPalette::WindowText,
                     colours.color(QPalette::Active, QPalette::HighlightedText));
    strip->setPalette(colours);
    return panel;
}

void TSetTimeDialog::AddHourTiles(QFrame& panel) {
    constexpr int left = 12;
    const int blockHeight = 2 * TileSize.height() + BlockGap;
    for (int hour = 0; hour < 24; ++hour) {
        const int block = hour / 12;
        const int row = hour % 12 / HoursPerRow;
        const QPoint at(left + hour % HoursPerRow * TileSize.width(),
                        TilesTop + block * blockHeight + row * TileSize.height());
        // Both blocks read 12, 1 .. 11 on the clock face.
        const QString shown = QString::number(hour % 12 == 0 ? 12 : hour % 12);
        TGraphicPanel* tile =
            AddTile(panel, QStringLiteral("Hour%1").arg(hour), shown, HourName(shown, block == 1),
                    at, tr("Click to set the hours portion of the time"));
        connect(tile, &TGraphicPanel::Click, this, [this, hour] { HourClick(hour); });
        hourTiles_.push_back(tile);
    }
    const char* const markers[] = {"AM", "PM"};
    for (int block = 0; block < 2; ++block) {
        auto* label = new QLabel(block == 0 ? tr("AM") : tr("PM"), &panel);
        label->setObjectName(QString::fromLatin1(markers[block]) + QStringLiteral("Label"));
        label->setGeometry(left + HoursPerRow * TileSize.width() + 8,
                           TilesTop + block * blockHeight, std::max(30, label->sizeHint().width()),
                           TileSize.height());
    }
}

void TSetTimeDialog::AddMinuteTiles(QFrame& panel) {
    const int left = (panel.width() - MinutesPerRow * TileSize.width()) / 2;
    for (int minute = 0; minute < 60; ++minute) {
        const QPoint at(left + minute % MinutesPerRow * TileSize.width(),
                        TilesTop + minute / MinutesPerRow * TileSize.height());
        TGraphicPanel* tile =
            AddTile(panel, QStringLiteral("Minute%1").arg(minute),
                    QStringLiteral("%1").arg(minute, 2, 10, QLatin1Char('0')), MinuteName(minute),
                    at, tr("Click to set the minutes portion of the time"));
        connect(tile, &TGraphicPanel::Click, this, [this, minute] { MinuteClick(minute); });
        minuteTiles_.push_back(tile);
    }
}

TGraphicPanel* TSetTimeDialog::AddTile(QFrame& panel, const QString& name, const QString& caption,
                                       const QString& spokenName, QPoint at,
                                       const QString& tooltip) {
    auto* tile = new TGraphicPanel(&panel);
    tile->setObjectName(name);
    tile->setGeometry(QRect(at, TileSize));
    tile->SetCaption(caption);
    tile->SetParentColor(true);
    tile->setToolTip(tooltip);
    tile->setAccessibleName(spokenName);
    tile->SetPickable(true);
    tile->installEventFilter(this);
    return tile;
}

bool TSetTimeDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Left && key != Qt::Key_Right && key != Qt::Key_Up && key != Qt::Key_Down)
        return QDialog::eventFilter(watched, event);
    // As in a group of radio buttons, the arrow keys pick the neighbour and go there.
    const auto step = [&](const std::vector<TGraphicPanel*>& tiles, int perRow, auto pick) {
        const auto found = std::find(tiles.begin(), tiles.end(), watched);
        if (found == tiles.end())
            return false;
        const int count = static_cast<int>(tiles.size());
        const int next = TileNeighbour(static_cast<int>(found - tiles.begin()), count, perRow, key);
        pick(next);
        tiles[static_cast<std::size_t>(next)]->setFocus(Qt::TabFocusReason);
        return true;
    };
    return step(hourTiles_, HoursPerRow, [this](int tag) { HourClick(tag); }) ||
           step(minuteTiles_, MinutesPerRow, [this](int tag) { MinuteClick(tag); }) ||
           QDialog::eventFilter(watched, event);
}

void TSetTimeDialog::AddButtons() {
    constexpr int top = 297;
    QPushButton* ok = AddButton(*this, "Okbutton", tr("Ok"), tr("Save this time"), QPoint(17, top));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    QPushButton* cancel = AddButton(*this, "CancelButton", tr("&Cancel"),
                                    tr("Cancel all changes made"), QPoint(100, top));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    QPushButton* help =
        AddButton(*this, "Helpbutton", tr("&Help"), HelpButtonTooltip(), QPoint(214, top));
    connect(help, &QPushButton::clicked, this, [this] { help_.ShowTopic(HelpTopic, this); });
}

void TSetTimeDialog::SetPickedTime(TDateTime time) {
    const ClockTime clock = DecodeTime(time);
    pickedHour_ = clock.hour;
    pickedMinute_ = clock.minute;
    ShowDateTime();
}

void TSetTimeDialog::HourClick(int tag) {
    pickedHour_ = tag;
    ShowDateTime();
}

void TSetTimeDialog::MinuteClick(int tag) {
    pickedMinute_ = tag;
    ShowDateTime();
}

void TSetTimeDialog::ShowDateTime() {
    pickedTime_ = EncodeTime(pickedHour_, pickedMinute_);
    setWindowTitle(tr("Set Time As: ") +
                   QString::fromLocal8Bit(formats_.Format("hh:mm am/pm", pickedTime_)));
    Highlight(hourTiles_, pickedHour_);
    Highlight(minuteTiles_, pickedMinute_);
}

void TSetTimeDialog::Highlight(const std::vector<TGraphicPanel*>& tiles, int picked) {
    for (std::size_t tag = 0; tag < tiles.size(); ++tag) {
        TGraphicPanel& tile = *tiles[tag];
        const bool on = static_cast<int>(tag) == picked;
        const QPalette& colours = tile.palette();
        tile.SetColor(colours.color(on ? QPalette::Highlight : QPalette::Button));
        tile.SetFont({tile.Font().Face,
                      colours.color(on ? QPalette::HighlightedText : QPalette::ButtonText)});
        tile.SetPicked(on);
        // Tab enters the tiles at the picked one; the arrow keys move from there.
        tile.setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

} // namespace nudgery
