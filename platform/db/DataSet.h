#pragma once

#include "platform/db/Field.h"

#include <QString>
#include <QVariant>
#include <QVector>
#include <functional>
#include <memory>
#include <vector>

enum class TDataSetState { Inactive, Browse, Edit, Insert, CalcFields };

// What a data set tells the controls bound to it. Row numbers are record indexes.
enum class TDataEvent { DataSetChanged, RecordChanged, RowInserted, RowRemoved, CursorMoved, StateChanged };

class TDataSetObserver {
public:
    virtual ~TDataSetObserver() = default;
    virtual void DataEvent(TDataEvent event, int recordIndex) = 0;
};

// One row of a snapshot: its values in field order and the key by which the file knows it.
struct TRecordBuffer {
    QVector<QVariant> Values;
    qint64 RowId = 0;
    quint64 Serial = 0;
};

// A data set holds a snapshot of rows read when it opens and a cursor over them, with the
// edit and insert states of a record navigator. Subclasses read and write the rows.
class TDataSet {
public:
    TDataSet();
    virtual ~TDataSet();
    TDataSet(const TDataSet&) = delete;
    TDataSet& operator=(const TDataSet&) = delete;

    void Open();
    void Close();
    bool Active() const { return FState != TDataSetState::Inactive; }
    TDataSetState State() const { return FState; }
    virtual bool CanModify() const { return false; }

    // Fields. Fields added before Open are the data set's declared fields and outlive Close;
    // otherwise Open creates one field per column of the result.
    TField* AddField(const QString& fieldName, TFieldType dataType, int size = 0,
                     TFieldKind fieldKind = TFieldKind::Data);
    int FieldCount() const { return static_cast<int>(FFields.size()); }
    TField* Field(int index) const { return FFields[static_cast<size_t>(index)].get(); }
    TField* FindField(const QString& fieldName) const;
    TField* FieldByName(const QString& fieldName) const;

    // Cursor. Eof is true after Next from the last row, and at once on an empty result.
    int RecordCount() const { return static_cast<int>(FRecords.size()); }
    bool IsEmpty() const { return FRecords.empty(); }
    int RecNo() const { return FCurrent; }
    void SetRecNo(int recordIndex);
    void First();
    void Next();
    void Prior();
    void Last();
    bool Eof() const { return FEof; }
    bool Bof() const { return FBof; }

    // Edits: each posted, inserted or deleted row is written at once by the subclass.
    void Edit();
    void Insert();
    void Append();
    void Post();
    void Cancel();
    void Delete();
    void CheckBrowseMode();
    bool Modified() const { return FModified; }
    // Appends and posts one row; values go to the data fields in order, calculated fields skipped.
    void AppendRecord(const QVariantList& values);

    QString Bookmark() const;
    void SetBookmark(const QString& bookmark);

    void DisableControls();
    void EnableControls();
    bool ControlsDisabled() const { return FDisableCount > 0; }

    std::function<void(TDataSet*)> OnCalcFields;

    void AddObserver(TDataSetObserver* observer);
    void RemoveObserver(TDataSetObserver* observer);

    // Direct reading of any row for the controls: the edit buffer stands for the current row while
    // it is being edited.
    QVariant ValueAt(int recordIndex, int fieldIndex) const;

    // Used by the fields.
    QVariant ActiveValue(int fieldIndex) const;
    void SetActiveValue(int fieldIndex, const QVariant& stored);

protected:
    virtual void DoOpen(std::vector<TRecordBuffer>& records) = 0;
    virtual void DoClose() {}
    virtual void DoPostEdit(TRecordBuffer& buffer, const QVector<bool>& changed);
    virtual void DoPostInsert(TRecordBuffer& buffer);
    virtual void DoDelete(const TRecordBuffer& buffer);

    bool HasDeclaredFields() const { return FDeclaredFieldCount > 0; }
    // A field of the result, made at open and dropped at close.
    void AddDynamicField(const QString& fieldName, TFieldType dataType, int size);
    void ClearDynamicFields();
    quint64 NextSerial() { return ++FLastSerial; }
    void CheckActive() const;

private:
    void CheckCanModify() const;
    void SetState(TDataSetState state);
    void Notify(TDataEvent event, int recordIndex);
    void CalculateFields(TRecordBuffer& buffer);
    void BeginInsert(int position);
    void MoveCursor(int recordIndex);

    std::vector<std::unique_ptr<TField>> FFields;
    int FDeclaredFieldCount = 0;
    std::vector<TRecordBuffer> FRecords;
    TRecordBuffer FEditBuffer;
    QVector<bool> FChanged;
    TRecordBuffer* FCalcBuffer = nullptr;
    TDataSetState FState = TDataSetState::Inactive;
    int FCurrent = -1;
    bool FEof = true;
    bool FBof = true;
    bool FModified = false;
    int FDisableCount = 0;
    quint64 FLastSerial = 0;
    std::vector<TDataSetObserver*> FObservers;
};
