#include "platform/os/Clock.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QTemporaryDir>
#include <clocale>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Each test runs in a new temporary folder that is its current directory and its settings and
// runtime home, with the clock released, so that no test sees what another one left.
class FreshFolderListener : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override {
        FFolder = std::make_unique<QTemporaryDir>();
        const QString path = FFolder->path();
        QDir::setCurrent(path);
        qputenv("XDG_CONFIG_HOME", QDir(path).filePath(QStringLiteral("config")).toUtf8());
        qputenv("XDG_RUNTIME_DIR", QDir(path).filePath(QStringLiteral("runtime")).toUtf8());
        QDir(path).mkpath(QStringLiteral("config"));
        QDir(path).mkpath(QStringLiteral("runtime"));
        Clock::Release();
    }
    void OnTestEnd(const testing::TestInfo&) override {
        QDir::setCurrent(QDir::tempPath());
        FFolder.reset();
        Clock::Release();
    }
    std::unique_ptr<QTemporaryDir> FFolder;
};

} // namespace

int main(int argc, char** argv) {
    // Test discovery runs the binary at build time, where there may be no display at all.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new FreshFolderListener);
    return RUN_ALL_TESTS();
}
