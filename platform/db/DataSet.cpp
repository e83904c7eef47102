#include "platform/db/DataSet.h"

#include "platform/Error.h"

#include <algorithm>

TDataSet::TDataSet() = default;

TDataSet::~TDataSet() = default;

void TDataSet::CheckActive() const {
    if (!Active())
        throw EDatabaseError(QStringLiteral("Opération impossible sur un ensemble de données fermé"));
}

void TDataSet::CheckCanModify() const {
    CheckActive();
    if (!CanModify())
        throw EDatabaseError(QStringLiteral("Impossible de modifier un ensemble de données en lecture seule"));
}

TField* TDataSet::AddField(const QString& fieldName, TFieldType dataType, int size, TFieldKind fieldKind) {
    if (Active())
        throw EDatabaseError(QStringLiteral("Impossible d'ajouter le champ '%1' à un ensemble de données ouvert").arg(fieldName));
    FFields.push_back(std::make_unique<TField>(this, FieldCount(), fieldName, dataType, size, fieldKind));
    FDeclaredFieldCount = FieldCount();
    return FFields.back().get();
}

void TDataSet::AddDynamicField(const QString& fieldName, TFieldType dataType, int size) {
    FFields.push_back(std::make_unique<TField>(this, FieldCount(), fieldName, dataType, size, TFieldKind::Data));
}

void TDataSet::ClearDynamicFields() { FFields.resize(static_cast<size_t>(FDeclaredFieldCount)); }

TField* TDataSet::FindField(const QString& fieldName) const {
    for (const auto& field : FFields)
        if (field->FieldName().compare(fieldName, Qt::CaseInsensitive) == 0)
            return field.get();
    return nullptr;
}

TField* TDataSet::FieldByName(const QString& fieldName) const {
    TField* field = FindField(fieldName);
    if (field == nullptr)
        throw EDatabaseError(QStringLiteral("Champ '%1' non trouvé").arg(fieldName));
    return field;
}

void TDataSet::Open() {
    if (Active())
        return;
    std::vector<TRecordBuffer> records;
    DoOpen(records);
    FRecords = std::move(records);
    for (TRecordBuffer& record : FRecords) {
        record.Values.resize(FieldCount());
        record.Serial = NextSerial();
        CalculateFields(record);
    }
    FState = TDataSetState::Browse;
    FCurrent = FRecords.empty() ? -1 : 0;
    FBof = true;
    FEof = FRecords.empty();
    Notify(TDataEvent::DataSetChanged, FCurrent);
}

void TDataSet::Close() {
    if (!Active())
        return;
    FState = TDataSetState::Inactive;
    FRecords.clear();
    FCurrent = -1;
    FEof = FBof = true;
    FModified = false;
    DoClose();
    ClearDynamicFields();
    Notify(TDataEvent::DataSetChanged, -1);
}

void TDataSet::MoveCursor(int recordIndex) {
    FCurrent = recordIndex;
    Notify(TDataEvent::CursorMoved, FCurrent);
}

void TDataSet::SetRecNo(int recordIndex) {
    CheckActive();
    CheckBrowseMode();
    if (FRecords.empty())
        return;
    FBof = FEof = false;
    MoveCursor(std::clamp(recordIndex, 0, RecordCount() - 1));
}

void TDataSet::First() {
    CheckActive();
    CheckBrowseMode();
    FBof = true;
    FEof = FRecords.empty();
    if (!FRecords.empty())
        MoveCursor(0);
}

void TDataSet::Last() {
    CheckActive();
    CheckBrowseMode();
    FEof = true;
    FBof = FRecords.empty();
    if (!FRecords.empty())
        MoveCursor(RecordCount() - 1);
}

void TDataSet::Next() {
    CheckActive();
    CheckBrowseMode();
    FBof = false;
    if (FCurrent + 1 >= RecordCount()) {
        FEof = true;
        return;
    }
    FEof = false;
    MoveCursor(FCurrent + 1);
}

void TDataSet::Prior() {
    CheckActive();
    CheckBrowseMode();
    FEof = false;
    if (FCurrent <= 0) {
        FBof = true;
        return;
    }
    FBof = false;
    MoveCursor(FCurrent - 1);
}

void TDataSet::Edit() {
    CheckCanModify();
    if (FState == TDataSetState::Edit || FState == TDataSetState::Insert)
        return;
    if (FRecords.empty())
        return Insert();
    FEditBuffer = FRecords[static_cast<size_t>(FCurrent)];
    FChanged = QVector<bool>(FieldCount(), false);
    FModified = false;
    SetState(TDataSetState::Edit);
}

void TDataSet::BeginInsert(int position) {
    TRecordBuffer record;
    record.Values.resize(FieldCount());
    record.Serial = NextSerial();
    FRecords.insert(FRecords.begin() + position, record);
    FEditBuffer = record;
    FChanged = QVector<bool>(FieldCount(), false);
    FModified = false;
    FCurrent = position;
    FBof = FEof = false;
    FState = TDataSetState::Insert;
    Notify(TDataEvent::RowInserted, position);
    Notify(TDataEvent::StateChanged, position);
}

// A row still being edited is settled first: its posting or cancelling moves the rows.
void TDataSet::Insert() {
    CheckCanModify();
    CheckBrowseMode();
    BeginInsert(FCurrent < 0 ? 0 : FCurrent);
}

void TDataSet::Append() {
    CheckCanModify();
    CheckBrowseMode();
    BeginInsert(RecordCount());
}

void TDataSet::Post() {
    if (FState != TDataSetState::Edit && FState != TDataSetState::Insert)
        throw EDatabaseError(QStringLiteral("Ensemble de données non en mode édition ou insertion"));
    TRecordBuffer buffer = FEditBuffer;
    // The file is written first: if it refuses, the row stays in edit so nothing typed is lost.
    if (FState == TDataSetState::Insert)
        DoPostInsert(buffer);
    else if (FChanged.contains(true))
        DoPostEdit(buffer, FChanged);
    CalculateFields(buffer);
    FRecords[static_cast<size_t>(FCurrent)] = buffer;
    FModified = false;
    SetState(TDataSetState::Browse);
    Notify(TDataEvent::RecordChanged, FCurrent);
}

void TDataSet::Cancel() {
    if (FState == TDataSetState::Insert) {
        const int removed = FCurrent;
        FRecords.erase(FRecords.begin() + removed);
        FState = TDataSetState::Browse;
        FModified = false;
        FCurrent = FRecords.empty() ? -1 : std::min(removed, RecordCount() - 1);
        FEof = FBof = FRecords.empty();
        Notify(TDataEvent::RowRemoved, removed);
        Notify(TDataEvent::StateChanged, FCurrent);
        return;
    }
    if (FState == TDataSetState::Edit) {
        FModified = false;
        SetState(TDataSetState::Browse);
        Notify(TDataEvent::RecordChanged, FCurrent);
    }
}

void TDataSet::CheckBrowseMode() {
    if (FState != TDataSetState::Edit && FState != TDataSetState::Insert)
        return;
    if (FModified)
        Post();
    else
        Cancel();
}

void TDataSet::Delete() {
    CheckCanModify();
    if (FState == TDataSetState::Insert)
        return Cancel();
    if (FState == TDataSetState::Edit)
        Cancel();
    if (FRecords.empty())
        throw EDatabaseError(QStringLiteral("Opération non applicable à un ensemble de données vide"));
    const int removed = FCurrent;
    DoDelete(FRecords[static_cast<size_t>(removed)]);
    FRecords.erase(FRecords.begin() + removed);
    FCurrent = FRecords.empty() ? -1 : std::min(removed, RecordCount() - 1);
    FEof = FBof = FRecords.empty();
    Notify(TDataEvent::RowRemoved, removed);
    Notify(TDataEvent::CursorMoved, FCurrent);
}

void TDataSet::AppendRecord(const QVariantList& values) {
    Append();
    try {
        int valueIndex = 0;
        for (int i = 0; i < FieldCount() && valueIndex < values.size(); ++i, ++valueIndex)
            if (Field(i)->FieldKind() == TFieldKind::Data)
                Field(i)->SetAsVariant(values[valueIndex]);
        Post();
    } catch (...) {
        Cancel();
        throw;
    }
}

QString TDataSet::Bookmark() const {
    if (FCurrent < 0)
        return {};
    return QString::number(FRecords[static_cast<size_t>(FCurrent)].Serial);
}

void TDataSet::SetBookmark(const QString& bookmark) {
    CheckActive();
    const quint64 serial = bookmark.toULongLong();
    const auto found = std::find_if(FRecords.begin(), FRecords.end(),
                                    [serial](const TRecordBuffer& record) { return record.Serial == serial; });
    if (found == FRecords.end())
        throw EDatabaseError(QStringLiteral("Enregistrement non trouvé"));
    SetRecNo(static_cast<int>(found - FRecords.begin()));
}

void TDataSet::DisableControls() { ++FDisableCount; }

void TDataSet::EnableControls() {
    if (FDisableCount == 0)
        return;
    if (--FDisableCount == 0)
        Notify(TDataEvent::DataSetChanged, FCurrent);
}

void TDataSet::AddObserver(TDataSetObserver* observer) { FObservers.push_back(observer); }

void TDataSet::RemoveObserver(TDataSetObserver* observer) { std::erase(FObservers, observer); }

void TDataSet::Notify(TDataEvent event, int recordIndex) {
    if (FDisableCount > 0)
        return;
    const std::vector<TDataSetObserver*> observers = FObservers;
    for (TDataSetObserver* observer : observers)
        observer->DataEvent(event, recordIndex);
}

void TDataSet::SetState(TDataSetState state) {
    FState = state;
    Notify(TDataEvent::StateChanged, FCurrent);
}

void TDataSet::CalculateFields(TRecordBuffer& buffer) {
    if (!OnCalcFields)
        return;
    const TDataSetState saved = FState;
    FCalcBuffer = &buffer;
    FState = TDataSetState::CalcFields;
    try {
        OnCalcFields(this);
    } catch (...) {
        FCalcBuffer = nullptr;
        FState = saved;
        throw;
    }
    FCalcBuffer = nullptr;
    FState = saved;
}

QVariant TDataSet::ValueAt(int recordIndex, int fieldIndex) const {
    if (recordIndex == FCurrent && (FState == TDataSetState::Edit || FState == TDataSetState::Insert))
        return FEditBuffer.Values.value(fieldIndex);
    if (recordIndex < 0 || recordIndex >= RecordCount())
        return {};
    return FRecords[static_cast<size_t>(recordIndex)].Values.value(fieldIndex);
}

QVariant TDataSet::ActiveValue(int fieldIndex) const {
    if (FCalcBuffer != nullptr)
        return FCalcBuffer->Values.value(fieldIndex);
    CheckActive();
    return ValueAt(FCurrent, fieldIndex);
}

void TDataSet::SetActiveValue(int fieldIndex, const QVariant& stored) {
    const bool calculated = Field(fieldIndex)->FieldKind() == TFieldKind::Calculated;
    if (FState == TDataSetState::CalcFields) {
        if (!calculated)
            throw EDatabaseError(QStringLiteral("Le champ '%1' ne peut pas être modifié").arg(Field(fieldIndex)->FieldName()));
        FCalcBuffer->Values[fieldIndex] = stored;
        return;
    }
    if (FState != TDataSetState::Edit && FState != TDataSetState::Insert)
        throw EDatabaseError(QStringLiteral("Ensemble de données non en mode édition ou insertion"));
    if (calculated)
        throw EDatabaseError(QStringLiteral("Le champ '%1' ne peut pas être modifié").arg(Field(fieldIndex)->FieldName()));
    FEditBuffer.Values[fieldIndex] = stored;
    FChanged[fieldIndex] = true;
    FModified = true;
    Notify(TDataEvent::RecordChanged, FCurrent);
}

void TDataSet::DoPostEdit(TRecordBuffer&, const QVector<bool>&) {
    throw EDatabaseError(QStringLiteral("Impossible de modifier un ensemble de données en lecture seule"));
}

void TDataSet::DoPostInsert(TRecordBuffer&) {
    throw EDatabaseError(QStringLiteral("Impossible de modifier un ensemble de données en lecture seule"));
}

void TDataSet::DoDelete(const TRecordBuffer&) {
    throw EDatabaseError(QStringLiteral("Impossible de modifier un ensemble de données en lecture seule"));
}
