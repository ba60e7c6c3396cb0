#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>

class QLabel;

namespace mes {

// The picture viewer: a picture stretched over the window; a double-click
// closes it, dragging the picture moves the window.
class frmImgShow : public QWidget {
    Q_OBJECT
  public:
    explicit frmImgShow(QWidget* parent = nullptr);
    QLabel* img = nullptr;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    bool dragging_ = false;
    QPoint grip_;
};

// Shows picture in frmImgShow without blocking the caller.
void gsIMG_SHOW(const QImage& picture);

// Twips of the screen layouts in pixels (15 twips a pixel at 96 dpi).
int gfTWIPS(int twips);

}  // namespace mes
