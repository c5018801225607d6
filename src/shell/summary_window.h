#pragma once

#include "assignment/summary.h"

#include <QStringList>
#include <QWidget>

#include <set>
#include <vector>

class QTableWidget;

// The teacher's summary of a class's result files (結果の集計): one row per student and one
// per question, and the files set apart with the reason; files come from the file dialog
// ("結果ファイルを追加…"), from a drop onto the window or from the command line, and
// "CSV形式で保存..." writes the three tables. Built from assignment_panel's description.
class SummaryWindow : public QWidget
{
    Q_OBJECT
public:
    SummaryWindow();
    ~SummaryWindow() override;

    // Reads the result files at `paths` (each at most once) and shows the summary again.
    void addFiles(const QStringList& paths);
    const summary::Summary& shown() const { return summary_; }

    void Add_Click();
    void SaveCsv_Click();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void refresh();

    std::vector<summary::File> files_;
    std::set<QString> paths_;
    summary::Summary summary_;
    std::vector<QTableWidget*> tables_; // students, questions, rejected
};
