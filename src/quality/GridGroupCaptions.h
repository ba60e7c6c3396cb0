#pragma once

#include <QList>
#include <QWidget>

class QLabel;
class QTableView;

namespace mes {

// A row of captions above a grid, each over a run of its columns, following
// the columns' widths and the grid's horizontal scrolling.
class GridGroupCaptions : public QWidget {
    Q_OBJECT
  public:
    struct Group {
        QString caption;
        int firstCol;  // grid columns, counted from 1
        int lastCol;
    };

    GridGroupCaptions(QTableView* grid, const QList<Group>& groups, QWidget* parent = nullptr);

    const QList<Group>& groups() const { return groups_; }
    // The caption over a column, "" when none.
    QString captionOver(int col) const;
    QLabel* label(int i) const { return labels_.value(i); }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void place();

    QTableView* grid_;
    QList<Group> groups_;
    QList<QLabel*> labels_;
};

}  // namespace mes
