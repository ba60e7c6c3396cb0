#include "ui/SpreadModel.h"

#include <QLocale>
#include <cmath>

namespace mes {

namespace {
const QColor kWhite(255, 255, 255);
const QColor kEditable(255, 255, 192);
const QColor kPickList(213, 255, 175);

Qt::Alignment alignment(const SpreadColumn& c) {
    Qt::Alignment h = c.halign == 1   ? Qt::AlignRight
                      : c.halign == 2 ? Qt::AlignHCenter
                                      : Qt::AlignLeft;
    Qt::Alignment v = c.valign == 0   ? Qt::AlignTop
                      : c.valign == 1 ? Qt::AlignBottom
                                      : Qt::AlignVCenter;
    return h | v;
}

bool isChecked(const QString& raw) {
    return raw == QLatin1String("1") ||
           raw.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
}
}  // namespace

int SpreadModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int SpreadModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QString SpreadModel::numberText(const QString& text, bool* ok) {
    QString t = text.trimmed();
    t.remove(QLatin1Char(','));
    if (t.isEmpty()) {
        *ok = true;
        return t;
    }
    const double v = t.toDouble(ok);
    if (!*ok || !std::isfinite(v)) {
        *ok = false;
        return text;
    }
    return t;
}

QString SpreadModel::formatNumber(const SpreadColumn& col, const QString& raw) const {
    if (raw.isEmpty()) return raw;
    bool ok = false;
    const double v = raw.toDouble(&ok);
    if (!ok) return raw;
    QLocale locale = QLocale::c();
    if (!col.showSep)
        locale.setNumberOptions(QLocale::OmitGroupSeparator);
    else
        locale.setNumberOptions(QLocale::DefaultNumberOptions);
    if (col.decPlaces > 0) return locale.toString(v, 'f', col.decPlaces);
    if (!col.showSep) return raw;
    return locale.toString(std::round(v), 'f', 0);
}

QString SpreadModel::raw(int r, int c) const {
    if (r < 0 || r >= rows_.size()) return {};
    return rows_[r].value(c);
}

QString SpreadModel::display(int r, int c) const {
    if (c < 0 || c >= columns_.size()) return {};
    const SpreadColumn& col = columns_[c];
    const QString v = raw(r, c);
    switch (col.type) {
        case SpreadCellType::Number:
            return formatNumber(col, v);
        case SpreadCellType::Button:
            return v.isEmpty() ? col.caption : v;
        default:
            return v;
    }
}

QColor SpreadModel::background(int r, int c) const {
    if (r >= 0 && r < styles_.size()) {
        const QHash<int, SpreadCellStyle>& row = styles_[r];
        if (!row.isEmpty()) {
            const auto s = row.constFind(c);
            if (s != row.cend() && s->back.isValid()) return s->back;
        }
        if (rowBack_[r].isValid()) return rowBack_[r];
    }
    const SpreadColumn& col = columns_[c];
    if (col.back.isValid()) return col.back;
    if (col.popup || col.type == SpreadCellType::PickList) return kPickList;
    if (!col.locked) return kEditable;
    return kWhite;
}

QColor SpreadModel::foreground(int r, int c) const {
    const QColor f = style(r, c).fore;
    return f.isValid() ? f : QColor(Qt::black);
}

bool SpreadModel::locked(int r, int c) const {
    const int l = style(r, c).locked;
    return l < 0 ? columns_[c].locked : l == 1;
}

QStringList SpreadModel::choices(int r, int c) const {
    const SpreadCellStyle s = style(r, c);
    return s.hasChoices ? s.choices : columns_[c].choices;
}

QVariant SpreadModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int r = index.row();
    const int c = index.column();
    const SpreadColumn& col = columns_[c];
    switch (role) {
        case Qt::DisplayRole:
            return col.type == SpreadCellType::CheckBox ? QVariant() : QVariant(display(r, c));
        case Qt::EditRole:
            return raw(r, c);
        case Qt::CheckStateRole:
            if (col.type != SpreadCellType::CheckBox) return {};
            return isChecked(raw(r, c)) ? Qt::Checked : Qt::Unchecked;
        case Qt::BackgroundRole:
            return background(r, c);
        case Qt::ForegroundRole:
            return foreground(r, c);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(alignment(col));
        default:
            return {};
    }
}

bool SpreadModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid()) return false;
    const int r = index.row();
    const int c = index.column();
    if (locked(r, c)) return false;
    const SpreadColumn& col = columns_[c];
    QString text;
    if (role == Qt::CheckStateRole && col.type == SpreadCellType::CheckBox) {
        text = value.toInt() == Qt::Checked ? QStringLiteral("1") : QStringLiteral("0");
    } else if (role == Qt::EditRole) {
        text = value.toString();
        if (col.type == SpreadCellType::Number) {
            bool ok = false;
            text = numberText(text, &ok);
            if (!ok) return false;  // not a number: the cell keeps its value
            if (col.maxLength > 0 && !text.isEmpty() &&
                std::abs(text.toDouble()) >= std::pow(10.0, col.maxLength)) {
                return false;
            }
        } else if (col.maxLength > 0 && text.size() > col.maxLength) {
            text.truncate(col.maxLength);
        }
    } else {
        return false;
    }
    setRaw(r, c, text);
    emit edited(r, c);
    return true;
}

Qt::ItemFlags SpreadModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const SpreadColumn& col = columns_[index.column()];
    if (!editable_ || locked(index.row(), index.column())) return f;
    if (col.type == SpreadCellType::CheckBox) return f | Qt::ItemIsUserCheckable;
    if (col.type != SpreadCellType::Button) f |= Qt::ItemIsEditable;
    return f;
}

QVariant SpreadModel::headerData(int section, Qt::Orientation o, int role) const {
    if (role == Qt::DisplayRole) {
        if (o == Qt::Horizontal)
            return section < columns_.size() ? columns_[section].head : QString();
        return marks_.value(section);
    }
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignCenter);
    return {};
}

void SpreadModel::setColumns(const QList<SpreadColumn>& columns) {
    beginResetModel();
    columns_ = columns;
    for (QStringList& row : rows_) row.resize(columns_.size());
    endResetModel();
}

void SpreadModel::setColumnCount(int n) {
    QList<SpreadColumn> cols = columns_;
    cols.resize(n);
    setColumns(cols);
}

void SpreadModel::columnChanged(int c) {
    if (!rows_.isEmpty()) emit dataChanged(index(0, c), index(rowCount() - 1, c));
    emit headerDataChanged(Qt::Horizontal, c, c);
}

void SpreadModel::setRowCountTo(int n) {
    n = std::max(0, n);
    const int now = rowCount();
    if (n > now) {
        beginInsertRows({}, now, n - 1);
        QStringList empty;
        empty.resize(columns_.size());
        for (int i = now; i < n; ++i) {
            rows_.append(empty);
            marks_.append(QString());
            styles_.append(QHash<int, SpreadCellStyle>());
            rowBack_.append(QColor());
        }
        endInsertRows();
    } else if (n < now) {
        beginRemoveRows({}, n, now - 1);
        rows_.resize(n);
        marks_.resize(n);
        styles_.resize(n);
        rowBack_.resize(n);
        endRemoveRows();
    }
}

void SpreadModel::replaceRows(QList<QStringList> rows) {
    beginResetModel();
    for (QStringList& row : rows) row.resize(columns_.size());
    rows_ = std::move(rows);
    marks_ = QStringList();
    marks_.resize(rows_.size());
    styles_.clear();
    styles_.resize(rows_.size());
    rowBack_ = QList<QColor>(rows_.size());
    endResetModel();
}

void SpreadModel::insertRowAt(int r) {
    r = std::clamp(r, 0, rowCount());
    beginInsertRows({}, r, r);
    QStringList empty;
    empty.resize(columns_.size());
    rows_.insert(r, empty);
    marks_.insert(r, QString());
    styles_.insert(r, QHash<int, SpreadCellStyle>());
    rowBack_.insert(r, QColor());
    endInsertRows();
}

void SpreadModel::removeRowAt(int r) {
    if (r < 0 || r >= rowCount()) return;
    beginRemoveRows({}, r, r);
    rows_.removeAt(r);
    marks_.removeAt(r);
    styles_.removeAt(r);
    rowBack_.removeAt(r);
    endRemoveRows();
}

void SpreadModel::setRaw(int r, int c, const QString& text) {
    if (r < 0 || r >= rows_.size() || c < 0 || c >= columns_.size()) return;
    if (rows_[r][c] == text) return;
    rows_[r][c] = text;
    const QModelIndex i = index(r, c);
    emit dataChanged(i, i);
}

void SpreadModel::setColumnRaw(int c, const QString& text) {
    if (c < 0 || c >= columns_.size() || rows_.isEmpty()) return;
    bool changed = false;
    for (QStringList& row : rows_) {
        if (row[c] == text) continue;
        row[c] = text;
        changed = true;
    }
    if (changed) emit dataChanged(index(0, c), index(rowCount() - 1, c));
}

void SpreadModel::setMark(int r, const QString& mark) {
    if (r < 0 || r >= marks_.size() || marks_[r] == mark) return;
    marks_[r] = mark;
    emit headerDataChanged(Qt::Vertical, r, r);
}

void SpreadModel::setRowBack(int r, const QColor& colour) {
    if (r < 0 || r >= styles_.size()) return;
    // The row's colour replaces the cells' own, as a colour set cell by cell would.
    if (!styles_[r].isEmpty())
        for (SpreadCellStyle& cell : styles_[r]) cell.back = QColor();
    rowBack_[r] = colour;
}

void SpreadModel::styleChanged(int r1, int c1, int r2, int c2) {
    if (rows_.isEmpty() || columns_.isEmpty()) return;
    emit dataChanged(index(std::max(0, r1), std::max(0, c1)),
                     index(std::min(rowCount() - 1, r2), std::min(columnCount() - 1, c2)));
}

}  // namespace mes
