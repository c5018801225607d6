#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

class LessonModel;
class QLabel;
class QPushButton;
class QTableView;
class TraceItemModel;

// The trace table of one lesson window: every step as a row, the variables as columns,
// read straight from the lesson's trace. It takes in new rows after each action of the
// lesson, keeps the newest row in view, saves the table as CSV and copies selected rows.
// The lesson window owns it and closes it with itself.
class TraceWindow : public QWidget
{
    Q_OBJECT
public:
    TraceWindow(const LessonModel& lesson, QWidget* lessonWindow);
    ~TraceWindow() override;

    // Shows the window (beside its lesson window the first time) and brings it to the front.
    void open();
    // After every action of the lesson: takes in what changed, at once or, while auto-run
    // steps faster than the eye follows, a few times a second.
    void refresh();
    // Takes in what changed now.
    void syncNow();

    // Writes the CSV file; false, after a message, when it cannot be written (the file
    // that was there stays as it was).
    bool saveCsv(const QString& path);
    // The selected rows as tab-separated text, on the clipboard.
    void copySelection();
    // The file name proposed for saving: "<caption>_<YYYY-MM-DD>.csv".
    QString proposedFileName() const;

    // How the window asks where to save (a file dialog proposing `proposed`; an empty
    // answer saves nothing). Tests put their own answer in its place; an empty function
    // restores the dialog.
    using SavePathChooser = std::function<QString(QWidget* parent, const QString& proposed)>;
    static void setSavePathChooser(SavePathChooser chooser);

    QTableView* view() const { return view_; }
    TraceItemModel* model() const { return model_; }
    // The columns' widths added up, as fitted to their texts (the last one also stretches to
    // the window's edge): what the window's width is chosen from.
    int fittedWidth() const;

    // The buttons.
    void Save_Click();
    void Copy_Click() { copySelection(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void build();
    void place();
    // Widens the columns to what the given rows show; `fresh` narrows them first.
    void fitColumns(int fromRow, int toRow, bool fresh = false);
    // The first fit: the first rows and the newest ones.
    void fitAll();
    void showCounts();
    // Rows one text line high in the table's font.
    void fitRows();

    const LessonModel& lesson_;
    QPointer<QWidget> lessonWindow_;
    TraceItemModel* model_ = nullptr;
    QTableView* view_ = nullptr;
    QLabel* dropped_ = nullptr;
    QLabel* count_ = nullptr;
    QPushButton* copy_ = nullptr;
    QTimer pending_;
    QElapsedTimer lastSync_;
    int syncCost_ = 0;        // milliseconds the last sync took, painting included
    std::vector<int> fitted_; // each column's width as fitted
    bool placed_ = false;
};
