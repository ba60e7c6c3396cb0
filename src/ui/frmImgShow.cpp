#include "ui/frmImgShow.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>

#include "ui/Forms.h"

namespace mes {

int gfTWIPS(int twips) { return (twips + 7) / 15; }

frmImgShow::frmImgShow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmImgShow"));
    setWindowTitle(QStringLiteral("이미지보기"));
    img = new QLabel(this);
    img->setObjectName(QStringLiteral("img"));
    img->setScaledContents(true);
    img->installEventFilter(this);
}

void frmImgShow::resizeEvent(QResizeEvent*) { img->setGeometry(rect()); }

bool frmImgShow::eventFilter(QObject* watched, QEvent* event) {
    if (watched != img) return false;
    switch (event->type()) {
        case QEvent::MouseButtonDblClick:
            dragging_ = false;
            close();
            return true;
        case QEvent::MouseButtonPress: {
            auto* e = static_cast<QMouseEvent*>(event);
            if (e->button() != Qt::LeftButton) return false;
            dragging_ = true;
            grip_ = e->position().toPoint();
            return true;
        }
        case QEvent::MouseMove: {
            auto* e = static_cast<QMouseEvent*>(event);
            if (!dragging_ || !(e->buttons() & Qt::LeftButton)) return false;
            move(pos() + e->position().toPoint() - grip_);
            return true;
        }
        case QEvent::MouseButtonRelease:
            dragging_ = false;
            return false;
        default:
            return false;
    }
}

void gsIMG_SHOW(const QImage& picture) {
    frmImgShow& viewer = gfFORM<frmImgShow>();
    viewer.img->setPixmap(QPixmap::fromImage(picture));
    viewer.resize(gfTWIPS(10000), gfTWIPS(10000));
    viewer.img->setGeometry(viewer.rect());
    viewer.move(gfTWIPS(1000), gfTWIPS(1000));
    viewer.show();
    viewer.raise();
}

}  // namespace mes
