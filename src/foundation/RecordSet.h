#pragma once

#include <QList>
#include <QStringList>
#include <QVariant>

namespace mes {

// Rows and column names of one fully fetched result.
struct RecordData {
    QStringList columns;
    QList<QVariantList> rows;
};

// The shared, read-only, fully fetched result (gvRS): stepped with moveNext
// until eof, fields read by column name (case-insensitive) or position.
// Nulls stay null QVariants.
class RecordSet {
  public:
    bool isOpen() const { return open_; }
    void open(RecordData data);
    void close();

    bool eof() const { return !open_ || pos_ >= data_.rows.size(); }
    bool bof() const { return !open_ || data_.rows.isEmpty(); }
    void moveNext();
    void moveFirst() { pos_ = 0; }
    int position() const { return pos_; }
    int recordCount() const { return open_ ? static_cast<int>(data_.rows.size()) : 0; }
    int fieldCount() const { return static_cast<int>(data_.columns.size()); }
    QString fieldName(int col) const { return data_.columns.value(col); }
    // Position of a column name, -1 when the result has none.
    int fieldIndex(const QString& name) const;

    // Field of the current row; an invalid QVariant past the end or for an unknown field.
    QVariant value(int col) const;
    QVariant value(const QString& name) const;
    // Text of a field: null gives "", a number its plain decimal form (gfVALUE_TEXT).
    QString text(int col) const;
    QString text(const QString& name) const;

    const RecordData& data() const { return data_; }

  private:
    RecordData data_;
    int pos_ = 0;
    bool open_ = false;
};

}  // namespace mes
