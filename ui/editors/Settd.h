#pragma once
// TSetTimeDialog: picks a time of day with two clicks, one on an hour tile and one on a
// minute tile. It takes one time (PickedTime) and, on Ok, gives one back; seconds are
// dropped. Without a mouse, Tab goes to the picked hour and the picked minute, and the
// arrow keys pick the tile beside it; screen readers read the tiles as choices.

#include "core/datetime.h"

#include <QDialog>
#include <vector>

class QFrame;
class QPushButton;

namespace nudgery {

class DateFormats;
class HelpViewer;
class TGraphicPanel;

// The tile that an arrow key moves to from tile `tag` among `count` tiles laid out in rows
// of `perRow`: the neighbour in that direction, or `tag` itself at an edge and for any
// other key.
int TileNeighbour(int tag, int count, int perRow, int key);

class TSetTimeDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int HelpTopic = 2987;

    TSetTimeDialog(const DateFormats& formats, HelpViewer& help, QWidget* parent = nullptr);

    // In: the time to start from, set before showing. Out: the picked time, read after Ok.
    TDateTime PickedTime() const { return pickedTime_; }
    void SetPickedTime(TDateTime time);
    int PickedHour() const { return pickedHour_; }
    int PickedMinute() const { return pickedMinute_; }

    // The tiles' handlers: the clicked tile's tag becomes the hour or the minute.
    void HourClick(int tag);
    void MinuteClick(int tag);

protected:
    // The arrow keys on a tile.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QFrame* AddPanel(const char* name, const QString& header, QRect geometry);
    void AddHourTiles(QFrame& panel);
    void AddMinuteTiles(QFrame& panel);
    TGraphicPanel* AddTile(QFrame& panel, const QString& name, const QString& caption,
                           const QString& spokenName, QPoint at, const QString& tooltip);
    void AddButtons();
    // The picked time rebuilt from hour and minute, shown in the caption and the tiles.
    void ShowDateTime();
    static void Highlight(const std::vector<TGraphicPanel*>& tiles, int picked);

    const DateFormats& formats_;
    HelpViewer& help_;
    TDateTime pickedTime_ = 0;
    int pickedHour_ = 0;
    int pickedMinute_ = 0;
    // Indexed by their tag.
    std::vector<TGraphicPanel*> hourTiles_;
    std::vector<TGraphicPanel*> minuteTiles_;
};

} // namespace nudgery
