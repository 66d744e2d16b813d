#include "platform/FileIo.h"

#include "platform/AtomicFile.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cerrno>
#include <csignal>
#include <filesystem>

#include "TempFolder.h"

namespace noma {
namespace {

size_t entriesIn(const std::string& folder) {
    size_t n = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(folder)) ++n;
    return n;
}

TEST(AtomicWrite, ReplacesContentAndLeavesNoTemporaryFile) {
    test::TempFolder dir;
    const std::string path = dir.file("a.nmg");
    ASSERT_TRUE(writeFileAtomically(path, "old").ok());
    ASSERT_TRUE(writeFileAtomically(path, "new content").ok());
    EXPECT_EQ(readWholeFile(path).value(), "new content");
    EXPECT_EQ(entriesIn(dir.path()), 1u);
}

TEST(AtomicWrite, FailureMidwayKeepsTheOldFile) {
    test::TempFolder dir;
    const std::string path = dir.file("score.nmg");
    ASSERT_TRUE(writeFileAtomically(path, "the old score").ok());

    // Cap the file size so the write fails part way through: the program's own set-up must
    // turn the signal that would kill it into a reported failure.
    installOutputSafety();
    struct rlimit old {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    struct rlimit small = old;
    small.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const Status written = writeFileAtomically(path, std::string(100000, 'x'));
    setrlimit(RLIMIT_FSIZE, &old);

    ASSERT_FALSE(written.ok());
    EXPECT_NE(written.failure().gloss.find("File too large"), std::string::npos);
    EXPECT_EQ(readWholeFile(path).value(), "the old score");
    EXPECT_EQ(entriesIn(dir.path()), 1u);
}

TEST(AtomicWrite, KilledWriterLeavesTheOldOrTheNewFileWhole) {
    test::TempFolder dir;
    const std::string path = dir.file("score.nmg");
    const std::string oldBytes(1 << 20, 'o');
    const std::string newBytes(32 << 20, 'n');
    ASSERT_TRUE(writeFileAtomically(path, oldBytes).ok());

    for (int delayMs : {1, 5, 20}) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (;;) (void)writeFileAtomically(path, newBytes);
        }
        ::usleep(static_cast<useconds_t>(delayMs) * 1000);
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        const std::string now = readWholeFile(path).value();
        EXPECT_TRUE(now == oldBytes || now == newBytes)
            << "a torn file of " << now.size() << " bytes";
    }
}

TEST(AtomicWrite, InterruptedOutputsLeaveNoTemporaryFiles) {
    test::TempFolder dir;
    for (int signal : {SIGINT, SIGTERM}) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            std::signal(signal, SIG_DFL);
            installOutputSafety();
            AtomicFile a(dir.file("a.wav"), ".noma-wav-");
            AtomicFile b(dir.file("b.pdf"), ".noma-print-");
            a.write(std::string(1 << 20, 'a'));
            std::raise(signal);
            ::_exit(0);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << status;
        EXPECT_EQ(entriesIn(dir.path()), 0u) << signal;
    }
}

TEST(AtomicWrite, SavingThroughALinkReplacesItsTargetAndKeepsTheLink) {
    test::TempFolder dir;
    const std::string target = dir.file("real.nmg");
    const std::string link = dir.file("link.nmg");
    ASSERT_TRUE(writeFileAtomically(target, "old").ok());
    std::filesystem::create_symlink(target, link);
    ASSERT_TRUE(writeFileAtomically(link, "new").ok());
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(readWholeFile(target).value(), "new");
}

TEST(AtomicWrite, ReportsUnwritableTargets) {
    test::TempFolder dir;
    EXPECT_FALSE(writeFileAtomically(dir.file("missing/a.nmg"), "x").ok());
    EXPECT_FALSE(writeFileAtomically(dir.path(), "x").ok());  // a folder, not a file
    EXPECT_FALSE(writeFileAtomically("", "x").ok());
    EXPECT_TRUE(directoryExists(dir.path()));
}

TEST(AtomicWrite, KeepsThePermissionsOfTheReplacedFile) {
    test::TempFolder dir;
    const std::string path = dir.file("a.txt");
    ASSERT_TRUE(writeFileAtomically(path, "1").ok());
    std::filesystem::permissions(path, std::filesystem::perms(0640));
    ASSERT_TRUE(writeFileAtomically(path, "2").ok());
    EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms(0640));
}

TEST(FileHelpers, ReadMissingOrFolderGivesNothing) {
    test::TempFolder dir;
    const Expected<std::string> none = readWholeFile(dir.file("none"));
    ASSERT_FALSE(none.ok());
    EXPECT_EQ(none.failure().gloss, reasonOf(ENOENT).gloss);
    const Expected<std::string> folder = readWholeFile(dir.path());
    ASSERT_FALSE(folder.ok());
    EXPECT_EQ(folder.failure().gloss, reasonOf(EISDIR).gloss);
    EXPECT_FALSE(fileExists(dir.path()));
    EXPECT_TRUE(ensureDirectory(dir.file("NMK")));
    EXPECT_TRUE(directoryExists(dir.file("NMK")));
    EXPECT_EQ(joinPath("/a/", "b"), "/a/b");
    EXPECT_EQ(joinPath("/a", "b"), "/a/b");
    EXPECT_EQ(folderOf("a.nmg"), ".");
    EXPECT_EQ(folderOf("/a.nmg"), "/");
    EXPECT_EQ(folderOf("/x/y/a.nmg"), "/x/y");
}

TEST(FileHelpers, FilesMadeBesideATargetAreNewFilesThereWithTheUsualPermissions) {
    test::TempFolder dir;
    const mode_t before = ::umask(022);
    const Expected<CreatedFile> a = createFileBeside(dir.file("out.pdf"), ".tmp-");
    const Expected<CreatedFile> b = createFileBeside(dir.file("out.pdf"), ".tmp-");
    ::umask(before);
    ASSERT_TRUE(a.ok());
    ASSERT_TRUE(b.ok());
    ::close(a->fd);
    ::close(b->fd);
    const std::string& first = a->path;
    const std::string& second = b->path;
    EXPECT_NE(first, second);
    EXPECT_EQ(folderOf(first), dir.path());
    EXPECT_EQ(std::filesystem::path(first).filename().string().rfind(".tmp-", 0), 0u);
    EXPECT_EQ(std::filesystem::status(first).permissions(), std::filesystem::perms(0644));
    EXPECT_EQ(std::filesystem::file_size(first), 0u);

    const Expected<CreatedFile> none = createFileBeside(dir.file("missing/out.pdf"), ".tmp-");
    ASSERT_FALSE(none.ok());
    EXPECT_EQ(none.failure().message, reasonOf(ENOENT).text);
    EXPECT_EQ(none.failure().gloss,
              "cannot create a file in the folder: No such file or directory");
    EXPECT_NE(errnoText("cannot create").find("cannot create: "), std::string::npos);
}

}  // namespace
}  // namespace noma
