#include "foundation/RecordSet.h"

#include "foundation/NumberText.h"

namespace mes {

void RecordSet::open(RecordData data) {
    data_ = std::move(data);
    pos_ = 0;
    open_ = true;
}

void RecordSet::close() {
    data_ = RecordData();
    pos_ = 0;
    open_ = false;
}

QString RecordSet::text(int col) const { return gfVALUE_TEXT(value(col)); }
QString RecordSet::text(const QString& name) const { return gfVALUE_TEXT(value(name)); }

void RecordSet::moveNext() {
    if (pos_ < data_.rows.size()) ++pos_;
}

int RecordSet::fieldIndex(const QString& name) const {
    for (int i = 0; i < data_.columns.size(); ++i) {
        if (data_.columns[i].compare(name, Qt::CaseInsensitive) == 0) return i;
    }
    return -1;
}

QVariant RecordSet::value(int col) const {
    if (eof() || col < 0 || col >= data_.columns.size()) return {};
    return data_.rows[pos_].value(col);
}

QVariant RecordSet::value(const QString& name) const { return value(fieldIndex(name)); }

}  // namespace mes
