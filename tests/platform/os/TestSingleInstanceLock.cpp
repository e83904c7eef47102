#include "platform/Error.h"
#include "platform/os/SingleInstanceLock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <csignal>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QString LockName = QStringLiteral("Quimbels");

QString RuntimeLockPath() {
    return QDir(qEnvironmentVariable("XDG_RUNTIME_DIR")).filePath(QStringLiteral("Quimbels.lock"));
}

// A name of its own for each run, since the fallback file lives in the shared /tmp.
QString FallbackName() {
    return QStringLiteral("QuimbelsTest%1").arg(QCoreApplication::applicationPid());
}

QString FallbackPath() {
    return QStringLiteral("/tmp/%1-%2.lock").arg(FallbackName()).arg(::getuid());
}

// Takes the lock in a child process, reports through the pipe whether it got it, then waits to be
// killed without ever releasing it.
[[noreturn]] void HoldLockUntilKilled(int reportFd) {
    TSingleInstanceLock lock(LockName);
    const char held = lock.Acquire() ? 'y' : 'n';
    if (::write(reportFd, &held, 1) != 1)
        ::_exit(1);
    for (;;)
        ::pause();
}

TEST(SingleInstanceLockTest, ASecondLockFailsWhileTheFirstIsHeld) {
    auto first = std::make_unique<TSingleInstanceLock>(LockName);
    TSingleInstanceLock second(LockName);
    EXPECT_EQ(first->FilePath(), RuntimeLockPath());

    EXPECT_TRUE(first->Acquire());
    EXPECT_FALSE(second.Acquire());
    EXPECT_TRUE(first->Acquire());
    EXPECT_FALSE(second.Acquire());
    EXPECT_TRUE(TSingleInstanceLock(QStringLiteral("AutreProgramme")).Acquire());

    first.reset();
    EXPECT_TRUE(second.Acquire());
    EXPECT_FALSE(TSingleInstanceLock(LockName).Acquire());
}

TEST(SingleInstanceLockTest, TheLockFileIsPrivateToTheUser) {
    const mode_t previousMask = ::umask(0);
    TSingleInstanceLock lock(LockName);
    const bool acquired = lock.Acquire();
    ::umask(previousMask);

    ASSERT_TRUE(acquired);
    struct stat status {};
    ASSERT_EQ(::stat(QFile::encodeName(RuntimeLockPath()).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0600u);
    EXPECT_EQ(status.st_uid, ::geteuid());
}

TEST(SingleInstanceLockTest, AnotherProcessHoldsTheLockUntilItDies) {
    int report[2];
    ASSERT_EQ(::pipe(report), 0);
    const pid_t child = ::fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        ::close(report[0]);
        HoldLockUntilKilled(report[1]);
    }
    ::close(report[1]);
    char held = 0;
    const ssize_t count = ::read(report[0], &held, 1);
    ::close(report[0]);

    TSingleInstanceLock lock(LockName);
    const bool acquiredWhileChildLives = lock.Acquire();
    ::kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);

    ASSERT_EQ(count, 1);
    EXPECT_EQ(held, 'y');
    EXPECT_FALSE(acquiredWhileChildLives);
    EXPECT_TRUE(WIFSIGNALED(status));
    EXPECT_TRUE(lock.Acquire());
}

TEST(SingleInstanceLockTest, AProgramStartedWhileHoldingTheLockDoesNotInheritIt) {
    auto lock = std::make_unique<TSingleInstanceLock>(LockName);
    ASSERT_TRUE(lock->Acquire());
    QProcess program;
    program.start(QStringLiteral("sleep"), {QStringLiteral("600")});
    ASSERT_TRUE(program.waitForStarted());

    lock.reset();
    const bool acquired = TSingleInstanceLock(LockName).Acquire();
    program.kill();
    program.waitForFinished();
    EXPECT_TRUE(acquired);
}

TEST(SingleInstanceLockTest, FallsBackToTmpWithoutAUsableRuntimeFolder) {
    QFile plainFile(QDir::current().filePath(QStringLiteral("fichier")));
    ASSERT_TRUE(plainFile.open(QIODevice::WriteOnly));
    const std::optional<QByteArray> cases[] = {
        std::nullopt,
        QByteArray(""),
        QByteArray("runtime"),
        QDir::current().filePath(QStringLiteral("absent")).toUtf8(),
        plainFile.fileName().toUtf8(),
    };
    for (const auto& runtime : cases) {
        SCOPED_TRACE(runtime.value_or("(unset)").toStdString());
        if (runtime)
            qputenv("XDG_RUNTIME_DIR", *runtime);
        else
            qunsetenv("XDG_RUNTIME_DIR");
        EXPECT_EQ(TSingleInstanceLock::LockFilePath(FallbackName()), FallbackPath());
    }

    {
        TSingleInstanceLock lock(FallbackName());
        EXPECT_TRUE(lock.Acquire());
        EXPECT_FALSE(TSingleInstanceLock(FallbackName()).Acquire());
    }
    EXPECT_TRUE(QFile::remove(FallbackPath()));
}

TEST(SingleInstanceLockTest, ASymbolicLinkInPlaceOfTheLockFileIsRefused) {
    const QString target = QDir::current().filePath(QStringLiteral("cible"));
    ASSERT_TRUE(QFile::link(target, RuntimeLockPath()));
    TSingleInstanceLock lock(LockName);

    EXPECT_THROW(lock.Acquire(), EPlatformError);
    EXPECT_FALSE(QFile::exists(target));
}

TEST(SingleInstanceLockTest, ALockFileOfAnotherUserIsRefused) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can give a file to another user";
    QFile planted(RuntimeLockPath());
    ASSERT_TRUE(planted.open(QIODevice::WriteOnly));
    planted.setPermissions(QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ReadOwner |
                           QFileDevice::WriteOwner);
    ASSERT_EQ(::fchown(planted.handle(), 65534, 65534), 0);
    TSingleInstanceLock lock(LockName);

    try {
        lock.Acquire();
        ADD_FAILURE() << "the lock was taken on a file of another user";
    } catch (const EPlatformError& error) {
        EXPECT_EQ(error.Text(),
                  QStringLiteral("Le fichier de verrou « %1 » appartient à un autre utilisateur.")
                      .arg(RuntimeLockPath()));
    }
}

} // namespace
