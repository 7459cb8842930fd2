#include <fcntl.h>
#include <limits.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <vector>

#include "platform/os/Files.h"
#include "platform/os/Paths.h"
#include "platform/os/Settings.h"
#include "platform/os/TempFiles.h"
#include "platform/os/TextChannel.h"
#include "tests/platform/os/TempHome.h"
#include "tests/support/DiskFull.h"
#include "tests/support/ErrorNumber.h"
#include "tests/support/ScopedUmask.h"

using namespace os;

using Paths = TempHome;

TEST_F(Paths, FollowTheEnvironment) {
    EXPECT_EQ(ConfigFolder(), root_ + "home/.config/zomelbuilder/");
    EXPECT_EQ(WindowsFolder(), ConfigFolder());
    EXPECT_EQ(TempFolder(), root_);
    ::setenv("XDG_CONFIG_HOME", (root_ + "xdg").c_str(), 1);
    ::setenv("ZOMEL_WINDIR", (root_ + "win").c_str(), 1);
    ::setenv("ZOMEL_APPDIR", (root_ + "app/").c_str(), 1);
    ASSERT_EQ(::mkdir((root_ + "mine").c_str(), 0700), 0);
    ::setenv("TMPDIR", (root_ + "mine").c_str(), 1);
    EXPECT_EQ(ConfigFolder(), root_ + "xdg/zomelbuilder/");
    EXPECT_EQ(WindowsFolder(), root_ + "win/");
    EXPECT_EQ(ProgramFolder(), root_ + "app/");
    EXPECT_EQ(TempFolder(), root_ + "mine/");
    ::unsetenv("TMPDIR");
    EXPECT_EQ(TempFolder(), root_ + "home/.cache/zomelbuilder/");
    // Reading a place never creates it.
    EXPECT_FALSE(FolderExists(ConfigFolder()));
}

namespace {

// A folder that is this user's alone: no link, owned by the user, closed to everyone else.
void ExpectOwnFolder(const std::string& folder) {
    struct stat info {};
    ASSERT_EQ(::lstat(folder.c_str(), &info), 0) << folder;
    EXPECT_TRUE(S_ISDIR(info.st_mode)) << folder;
    EXPECT_EQ(info.st_uid, ::geteuid()) << folder;
    EXPECT_EQ(info.st_mode & 0777, 0700u) << folder;
}

}  // namespace

// Without TMPDIR the temporary folder is no longer the shared /tmp, where another user's log
// or a planted link would sit at the same name.
TEST_F(Paths, TheTemporaryFolderIsTheUsersOwn) {
    ::unsetenv("TMPDIR");
    const std::string own = root_ + "home/.cache/zomelbuilder/";
    EXPECT_EQ(TempFolder(), own);
    ExpectOwnFolder(own);
    // The next run closes it again to everyone else.
    ASSERT_EQ(::chmod(own.c_str(), 0777), 0);
    EXPECT_EQ(MakeOwnFolder(root_ + "home/.cache/zomelbuilder"), 0);
    ExpectOwnFolder(own);

    // A link planted in its place is refused, and so is a folder of another user.
    std::filesystem::create_directories(root_ + "planted");
    std::filesystem::create_directories(root_ + "elsewhere");
    std::filesystem::create_directory_symlink(root_ + "elsewhere", root_ + "planted/zomelbuilder");
    EXPECT_EQ(MakeOwnFolder(root_ + "planted/zomelbuilder"), ELOOP);
    ::setenv("XDG_CACHE_HOME", (root_ + "planted").c_str(), 1);
    const std::string taken = TempFolder();
    EXPECT_EQ(taken.find(root_), std::string::npos) << taken;
    ExpectOwnFolder(taken);
    const std::string foreign = root_ + "foreign";
    ASSERT_EQ(::mkdir(foreign.c_str(), 0700), 0);
    if (::chown(foreign.c_str(), 65534, 65534) == 0) {
        EXPECT_EQ(MakeOwnFolder(foreign), EPERM);
    }
    EXPECT_EQ(MakeOwnFolder(WriteFile("plain", "")), ENOTDIR);
    const std::string open = root_ + "open";
    ASSERT_EQ(::mkdir(open.c_str(), 0777), 0);
    ASSERT_EQ(::chmod(open.c_str(), 0777), 0);
    EXPECT_EQ(MakeOwnFolder(open + "/zomelbuilder"), EPERM);

    // A TMPDIR that names no folder is passed over, and the caller is told why.
    ::unsetenv("XDG_CACHE_HOME");
    ::setenv("TMPDIR", (root_ + "plain").c_str(), 1);
    std::string why;
    EXPECT_EQ(TempFolder(&why), own);
    EXPECT_EQ(why, "TMPDIR names " + root_ + "plain, which is no folder this user can write (" +
                       std::strerror(ENOTDIR) + "); the temporary folder is " + own);
}

// In a TMPDIR that every user may write, the log's fixed name would be the first user's: the
// run takes a folder of its own there, and never the bare shared folder.
TEST_F(Paths, ASharedTmpdirGetsAFolderOfTheUsersOwnInIt) {
    const std::string uid = std::to_string(::geteuid());
    for (const char* name : {"shared", "planted"}) {
        const std::string shared = root_ + name;
        ASSERT_EQ(::mkdir(shared.c_str(), 0700), 0);
        ASSERT_EQ(::chmod(shared.c_str(), 01777), 0);
    }
    ::setenv("TMPDIR", (root_ + "shared").c_str(), 1);
    std::string why;
    EXPECT_EQ(TempFolder(&why), root_ + "shared/zomelbuilder-" + uid + "/");
    EXPECT_EQ(why, "");
    ExpectOwnFolder(root_ + "shared/zomelbuilder-" + uid);

    // A link planted at its name is refused for the user's lasting folder, and said.
    std::filesystem::create_directories(root_ + "elsewhere");
    const std::string planted = root_ + "planted/zomelbuilder-" + uid;
    std::filesystem::create_directory_symlink(root_ + "elsewhere", planted);
    ::setenv("TMPDIR", (root_ + "planted").c_str(), 1);
    const std::string own = root_ + "home/.cache/zomelbuilder/";
    EXPECT_EQ(TempFolder(&why), own);
    EXPECT_EQ(why, "TMPDIR names " + root_ + "planted, where " + planted +
                       " cannot be made a folder of this user alone (" + std::strerror(ELOOP) +
                       "); the temporary folder is " + own);
}

// A folder the program must make but cannot is named, with what stands in its way.
TEST_F(Paths, AFolderThatCannotBeMadeIsNamedWithItsCause) {
    const std::string file = WriteFile("plain", "");
    ::setenv("XDG_DOCUMENTS_DIR", file.c_str(), 1);
    // A program folder that cannot be written (here: is not there), as an installed copy's.
    ::setenv("ZOMEL_APPDIR", (root_ + "gone").c_str(), 1);
    const vb::ErrObject documents = RaisedError([] { DocumentFolder(); });
    EXPECT_EQ(documents.Number, vb::err::kPathNotFound);
    EXPECT_EQ(documents.Description, "Path not found: the folder " + file +
                                         "/ZomelBuilder/ cannot be made: " + file +
                                         " is a file, not a folder");
    ::setenv("XDG_CONFIG_HOME", file.c_str(), 1);
    const vb::ErrObject settings = RaisedError([] { SaveSetting("App", "Sec", "Key", "v"); });
    EXPECT_EQ(settings.Description, "Path not found: the folder " + file +
                                        "/zomelbuilder/ cannot be made: " + file +
                                        " is a file, not a folder");
}

TEST_F(Paths, ProgramFolderIsTheExecutablesFolder) {
    std::string folder = ProgramFolder();
    ASSERT_EQ(folder.back(), '/');
    char exe[4096] = {};
    ASSERT_GT(::readlink("/proc/self/exe", exe, sizeof exe - 1), 0);
    EXPECT_EQ(folder + "test_os", exe);
}

TEST_F(Paths, JoinPathUsesOneSlash) {
    EXPECT_EQ(JoinPath("/a", "b"), "/a/b");
    EXPECT_EQ(JoinPath("/a/", "b"), "/a/b");
    EXPECT_EQ(JoinPath("/a/", "/b"), "/a/b");
    EXPECT_EQ(JoinPath("", "b"), "b");
}

TEST_F(Paths, FileAddressKeepsTheWholePathInThePath) {
    EXPECT_EQ(FileAddress("/opt/zomel/help/index.html"), "file:///opt/zomel/help/index.html");
    // A "#" or "?" in a folder name must not start a fragment or a query; blanks and
    // letters beyond ASCII are written byte by byte.
    EXPECT_EQ(FileAddress("/home/a b/#1?/x%y.html"), "file:///home/a%20b/%231%3F/x%25y.html");
    EXPECT_EQ(FileAddress("/d/\xC3\xA9t\xC3\xA9"), "file:///d/%C3%A9t%C3%A9");
    char here[4096] = {};
    ASSERT_NE(::getcwd(here, sizeof here), nullptr);
    EXPECT_EQ(FileAddress("help.html"), "file://" + std::string(here) + "/help.html");
}

using Files = TempHome;

TEST_F(Files, KillRaisesFileErrors) {
    std::string path = WriteFile("log.txt", "old");
    EXPECT_TRUE(FileExists(path));
    EXPECT_EQ(ErrorNumber([&] { Kill(path); }), 0);
    EXPECT_FALSE(FileExists(path));
    EXPECT_EQ(ErrorNumber([&] { Kill(path); }), vb::err::kFileNotFound);
    EXPECT_EQ(ErrorNumber([&] { Kill(root_ + "no/such.txt"); }), vb::err::kPathNotFound);
    EXPECT_EQ(ErrorNumber([&] { ReadAllBytes(path); }), vb::err::kFileNotFound);
    EXPECT_FALSE(ReadIfPresent(path).has_value());
}

TEST_F(Files, BytesRoundTripUnchanged) {
    std::string bytes("a\0b\r\n\xFF", 6);
    std::string path = root_ + "data.bin";
    ReplaceAllBytes(path, bytes);
    EXPECT_EQ(ReadAllBytes(path), bytes);
    ReplaceAllBytes(path, "x");
    EXPECT_EQ(ReadAllBytes(path), "x");
    ReplaceAllBytes(path, bytes);
    EXPECT_EQ(ReadIfPresent(path), bytes);
    // A name as long as the system allows leaves no room for a temporary name beside it.
    const std::string longest = root_ + std::string(NAME_MAX, 'n');
    ReplaceAllBytes(longest, bytes);
    ReplaceAllBytes(longest, "x");
    EXPECT_EQ(ReadAllBytes(longest), "x");
    EXPECT_EQ(ErrorNumber([&] { ReplaceAllBytes(root_ + "no/data.bin", "x"); }),
              vb::err::kPathNotFound);
    EXPECT_EQ(ErrorNumber([&] { ReadAllBytes(root_); }), vb::err::kPathFileAccess);
}

TEST_F(Files, AFullDiskLeavesTheOldFileWholeAndSaysWhichFile) {
    std::string path = WriteFile("docs/Estimate.rtf", "the estimate of yesterday");
    vb::ErrObject error;
    {
        DiskFull disk(64);
        error = RaisedError([&] { ReplaceAllBytes(path, std::string(4096, 'x')); });
    }
    EXPECT_EQ(error.Number, vb::err::kDiskFull);
    EXPECT_EQ(error.Description, "Disk full: " + path);
    EXPECT_EQ(ReadAllBytes(path), "the estimate of yesterday");
    // No part of the new one is left beside it.
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(root_ + "docs"))
        names.push_back(entry.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{"Estimate.rtf"});
}

// As a text editor writes: a 0600 document stays 0600, a link stays a link to the written
// file, and the part a killed write left beside it goes.
TEST_F(Files, ARewriteKeepsTheModeAndTheLinkAndClearsALeftover) {
    const std::string target = WriteFile("docs/Estimate.rtf", "old");
    ASSERT_EQ(::chmod(target.c_str(), 0600), 0);
    const std::string link = root_ + "Estimate.rtf";
    std::filesystem::create_symlink("docs/Estimate.rtf", link);
    const std::string copy = WriteFile("docs/Estimate.rtf.backup", "a person's copy");
    // A write killed half-way: the file size limit ends the process in the middle of it.
    const pid_t killed = ::fork();
    ASSERT_GE(killed, 0);
    if (killed == 0) {
        const rlimit none{0, 0}, small{64, 64};
        ::setrlimit(RLIMIT_CORE, &none);
        ::setrlimit(RLIMIT_FSIZE, &small);
        ::signal(SIGXFSZ, SIG_DFL);
        ReplaceAllBytes(target, std::string(4096, 'x'));
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(killed, &status, 0), killed);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ) << status;
    ASSERT_EQ(std::distance(std::filesystem::directory_iterator(root_ + "docs"),
                            std::filesystem::directory_iterator()),
              3);
    const std::string writing = WriteFile("docs/.Estimate.rtf.zomel-tmp-Zz9yX8", "going on");
    const int other = ::open(writing.c_str(), O_RDONLY);
    ASSERT_EQ(::flock(other, LOCK_EX), 0);

    ReplaceAllBytes(link, "new");
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadAllBytes(target), "new");
    struct stat info {};
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0600u);
    EXPECT_TRUE(std::filesystem::exists(copy));
    EXPECT_TRUE(std::filesystem::exists(writing));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(root_ + "docs"),
                            std::filesystem::directory_iterator()),
              3);
    ::close(other);
}

// Whatever a person calls the copies beside a document or the settings, a save leaves them
// whole, beside the file itself and beside the target of a link to it; so does a link that
// bears the program's own mark.
TEST_F(Files, ASaveLeavesEveryFileOfThePersonBesideItWhole) {
    const std::vector<std::string> suffixes = {".Backup", ".202612", ".COPY01", ".Final1",
                                               ".backup", ".OLD123", ".Client", ".a1B2c3"};
    WriteFile("docs/Estimate.rtf", "old");
    std::filesystem::create_symlink("docs/Estimate.rtf", root_ + "Estimate.rtf");
    const std::string victim = WriteFile("victim.txt", "precious");
    std::filesystem::create_symlink(victim, root_ + "docs/.Estimate.rtf.zomel-tmp-AbCd12");
    const std::string settings = ConfigFolder() + "settings.ini";
    for (const std::string& suffix : suffixes) {
        WriteFile("docs/Estimate.rtf" + suffix, "copy" + suffix);
        WriteFile("Export.xml" + suffix, "copy" + suffix);
        WriteFile("home/.config/zomelbuilder/settings.ini" + suffix, "copy" + suffix);
    }

    ReplaceAllBytes(root_ + "Estimate.rtf", "new");
    ReplaceAllBytes(root_ + "Export.xml", "new");
    SaveSetting("App", "Sec", "Key", "v");
    SaveSetting("App", "Sec", "Key", "w");
    for (const std::string& suffix : suffixes) {
        for (const std::string& copy : {root_ + "docs/Estimate.rtf" + suffix,
                                        root_ + "Export.xml" + suffix, settings + suffix}) {
            ASSERT_TRUE(FileExists(copy)) << copy;
            EXPECT_EQ(ReadAllBytes(copy), "copy" + suffix) << copy;
        }
    }
    EXPECT_TRUE(std::filesystem::is_symlink(root_ + "docs/.Estimate.rtf.zomel-tmp-AbCd12"));
    EXPECT_EQ(ReadAllBytes(victim), "precious");
    EXPECT_EQ(ReadAllBytes(root_ + "docs/Estimate.rtf"), "new");
}

// A new file is made as every editor makes one, 0666 less the umask; a rewrite keeps the mode.
TEST_F(Files, ANewFileFollowsTheUmask) {
    const std::string closed = root_ + "closed.rtf";
    const std::string open = root_ + "open.rtf";
    {
        ScopedUmask mask(077);
        ReplaceAllBytes(closed, "new");
    }
    {
        ScopedUmask mask(002);
        ReplaceAllBytes(open, "new");
        ReplaceAllBytes(closed, "again");
    }
    EXPECT_EQ(ScopedUmask::ModeOf(closed), 0600u);
    EXPECT_EQ(ScopedUmask::ModeOf(open), 0664u);
}

// In a shared folder (sticky and writable by all) a link is followed only when it is this
// user's or the folder owner's, as the system's protection of such folders does; another
// user's link there makes the write fail with the file and the reason, and nothing changes.
TEST_F(Files, ALinkAnotherUserPlantedInASharedFolderIsNotFollowed) {
    const std::string shared = root_ + "shared/";
    std::filesystem::create_directories(shared);
    ASSERT_EQ(::chmod(shared.c_str(), 01777), 0);
    const std::string notes = WriteFile("home/notes.txt", "my notes");
    const std::string draft = WriteFile("home/notes.txt.Draft1", "my draft");
    const std::string planted = shared + "Estimate.rtf";
    ASSERT_EQ(::symlink(notes.c_str(), planted.c_str()), 0);

    // This user's own link there is written through.
    ReplaceAllBytes(planted, "estimate");
    EXPECT_EQ(ReadAllBytes(notes), "estimate");
    WriteFile("home/notes.txt", "my notes");

    // A link loop says so.
    const std::string loop = root_ + "loop.rtf";
    ASSERT_EQ(::symlink(loop.c_str(), loop.c_str()), 0);
    const vb::ErrObject looped = RaisedError([&] { ReplaceAllBytes(loop, "x"); });
    EXPECT_EQ(looped.Description, "Path/File access error: " + loop + ": too many levels of links");

    if (::geteuid() != 0) GTEST_SKIP() << "only root can give a link to another user";
    ASSERT_EQ(::lchown(planted.c_str(), 65534, 65534), 0);
    const vb::ErrObject refused = RaisedError([&] { ReplaceAllBytes(planted, "estimate"); });
    EXPECT_EQ(refused.Number, vb::err::kPermissionDenied);
    EXPECT_EQ(refused.Description, "Permission denied: " + planted +
                                       " is a link another user made in the shared folder " +
                                       root_ +
                                       "shared; it was not followed and nothing was "
                                       "written");
    // Reached through a link of this user's own, the planted one is named as well.
    const std::string mine = root_ + "mine.rtf";
    ASSERT_EQ(::symlink(planted.c_str(), mine.c_str()), 0);
    EXPECT_EQ(RaisedError([&] { ReplaceAllBytes(mine, "x"); }).Description,
              "Permission denied: " + mine + " leads to " + planted +
                  ", which is a link another user made in the shared folder " + root_ +
                  "shared; it was not followed and nothing was written");
    EXPECT_EQ(ReadAllBytes(notes), "my notes");
    EXPECT_EQ(ReadAllBytes(draft), "my draft");
    EXPECT_TRUE(std::filesystem::is_symlink(planted));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(shared),
                            std::filesystem::directory_iterator()),
              1);

    // The folder owner's link is followed, and so is any link in a folder without the sticky
    // bit: whoever may write there could replace the file itself.
    ASSERT_EQ(::chown(shared.c_str(), 65534, 65534), 0);
    ReplaceAllBytes(planted, "by the folder's owner");
    EXPECT_EQ(ReadAllBytes(notes), "by the folder's owner");
    ASSERT_EQ(::chown(shared.c_str(), 0, 0), 0);
    ASSERT_EQ(::chmod(shared.c_str(), 0777), 0);
    ReplaceAllBytes(planted, "not sticky");
    EXPECT_EQ(ReadAllBytes(notes), "not sticky");
}

using Channel = TempHome;

TEST_F(Channel, WritesQuotedRecordsToAFreshFile) {
    std::string path = WriteFile("ZB.tmp", "left from an earlier run\r\n");
    TextChannel log;
    ASSERT_TRUE(log.OpenNew(path));
    log.WriteQuoted("Error in \"Main\"");
    // Written through: readable before the channel closes.
    EXPECT_EQ(ReadAllBytes(path), "\"Error in \"Main\"\"\r\n");
    log.PrintLine("plain");
    log.Close();
    EXPECT_EQ(ReadAllBytes(path), "\"Error in \"Main\"\"\r\nplain\r\n");
    log.WriteQuoted("after close");  // ignored, no error
    EXPECT_FALSE(log.IsOpen());
}

TEST_F(Channel, NeverFollowsASymbolicLink) {
    std::string victim = WriteFile("victim.txt", "precious");
    std::string path = root_ + "ZB.tmp";
    ASSERT_EQ(::symlink(victim.c_str(), path.c_str()), 0);
    TextChannel log;
    ASSERT_TRUE(log.OpenNew(path));
    log.WriteQuoted("line");
    EXPECT_EQ(ReadAllBytes(victim), "precious");
    struct stat info {};
    ASSERT_EQ(::lstat(path.c_str(), &info), 0);
    EXPECT_TRUE(S_ISREG(info.st_mode));
    EXPECT_EQ(
        info.st_mode & 0777, 0644u & ~[] {
            mode_t mask = ::umask(0);
            ::umask(mask);
            return mask;
        }());
    EXPECT_EQ(ReadAllBytes(path), "\"line\"\r\n");
}

TEST_F(Channel, ReportsAPathThatCannotBeOpened) {
    TextChannel log;
    EXPECT_FALSE(log.OpenNew(root_ + "no/such/folder/RUN.txt"));
    EXPECT_FALSE(log.IsOpen());
    log.WriteQuoted("nowhere");  // never raises
}

// The run's files in the temporary folder go when it ends; those a killed run left go at the
// next start, while a copy still running keeps its own, and nothing else there is touched.
TEST_F(Files, TemporaryFilesOfTheRunGoWithItAndThoseOfAKilledRunAtTheNextStart) {
    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    const pid_t killed = ::fork();
    ASSERT_GE(killed, 0);
    if (killed == 0) {
        const std::string made = NewTempFile("VZB") + "\n" + NewTempFile("zomel-print-") + "\n";
        (void)!::write(pipeEnds[1], made.data(), made.size());
        ::_exit(0);  // as a killed run: nothing is cleaned up
    }
    ::close(pipeEnds[1]);
    char buffer[4096] = {};
    ASSERT_GT(::read(pipeEnds[0], buffer, sizeof buffer - 1), 0);
    ::close(pipeEnds[0]);
    ASSERT_EQ(::waitpid(killed, nullptr, 0), killed);
    const std::string left(buffer);
    const std::string leftVzb = left.substr(0, left.find('\n'));
    const std::string leftSpool =
        left.substr(left.find('\n') + 1, left.size() - left.find('\n') - 2);
    ASSERT_TRUE(FileExists(leftVzb));
    ASSERT_TRUE(FileExists(leftSpool));

    const std::string running = NewTempFile("VZB");
    const std::string kept = WriteFile("zomel-print-kept.pdf", "a printout kept for the person");
    const std::string log = WriteFile("ZB.tmp", "the last run's log");
    const std::string other = WriteFile("VZBnotours", "another program's");
    RemoveStaleTempFiles(root_, {"VZB", "zomel-print-"});
    EXPECT_FALSE(FileExists(leftVzb));
    EXPECT_FALSE(FileExists(leftSpool));
    EXPECT_TRUE(FileExists(running));
    EXPECT_TRUE(FileExists(kept));
    EXPECT_TRUE(FileExists(log));
    EXPECT_TRUE(FileExists(other));

    // A spool moved away for the person stays where it went.
    const std::string spool = NewTempFile("zomel-print-");
    const std::string moved = root_ + "printout.pdf";
    ASSERT_EQ(::rename(spool.c_str(), moved.c_str()), 0);
    RemoveRunTempFiles();
    EXPECT_FALSE(FileExists(running));
    EXPECT_TRUE(FileExists(moved));
    EXPECT_TRUE(FileExists(kept));
}
