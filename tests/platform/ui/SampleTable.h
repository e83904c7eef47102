#pragma once

#include "platform/db/Connection.h"
#include "platform/db/DataSource.h"
#include "platform/db/Table.h"
#include "platform/ui/Dialogs.h"

#include <QVariantList>
#include <gtest/gtest.h>

// Table T of "test.db" in the test's folder, three rows, open through the engine; every dialog
// is answered by Answers. MONTANT refuses negative amounts so that a post can fail.
class SampleTable : public testing::Test {
protected:
    static const QString FileName;

    void SetUp() override;
    // What the file holds, bypassing the engine: NOM, MONTANT, JOUR by rowid.
    QList<QVariantList> FileRows() const;

    TADOConnection Connection;
    TADOTable Table;
    TDataSource Source{&Table};
    TDialogAnswers Answers;
};
