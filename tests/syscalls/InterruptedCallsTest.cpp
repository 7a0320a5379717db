// The serial line and the file writer against system calls that are interrupted (EINTR),
// find nothing to do yet (EAGAIN) or move only part of the bytes: link-time shims wrap read,
// write and fsync and inject those results, and every byte must still arrive intact.

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <deque>
#include <numeric>
#include <set>
#include <vector>

#include "base/DescriptorWaits.h"
#include "base/FileWriting.h"
#include "clone/CComPort.h"
#include "document/DataFileDocument.h"
#include "support/TestSupport.h"

namespace {

enum class Fault { kInterrupted, kNotYet, kShort, kNothing };

// The faults the next calls meet, per call kind; descriptors in spared pass untouched (the
// test's own end of a pseudo-terminal).
struct Injection {
    std::deque<Fault> reads;
    std::deque<Fault> writes;
    std::deque<Fault> syncs;
    std::set<int> spared;
    int injected = 0;
};

Injection& Faults() {
    static Injection injection;
    return injection;
}

// Takes the next fault for fd from queue, if one is due.
bool Next(std::deque<Fault>& queue, int fd, Fault& fault) {
    if (queue.empty() || fd <= STDERR_FILENO || Faults().spared.contains(fd)) return false;
    fault = queue.front();
    queue.pop_front();
    ++Faults().injected;
    return true;
}

}  // namespace

extern "C" {
ssize_t __real_read(int fd, void* buffer, size_t count);
ssize_t __real_write(int fd, const void* buffer, size_t count);
int __real_fsync(int fd);

ssize_t __wrap_read(int fd, void* buffer, size_t count) {
    Fault fault{};
    if (Next(Faults().reads, fd, fault)) {
        if (fault == Fault::kShort && count > 1) return __real_read(fd, buffer, 1);
        errno = fault == Fault::kInterrupted ? EINTR : EAGAIN;
        return -1;
    }
    return __real_read(fd, buffer, count);
}

ssize_t __wrap_write(int fd, const void* buffer, size_t count) {
    Fault fault{};
    if (Next(Faults().writes, fd, fault)) {
        if (fault == Fault::kShort) return __real_write(fd, buffer, count > 1 ? count / 2 : count);
        if (fault == Fault::kNothing) return 0;
        errno = fault == Fault::kInterrupted ? EINTR : EAGAIN;
        return -1;
    }
    return __real_write(fd, buffer, count);
}

int __wrap_fsync(int fd) {
    Fault fault{};
    if (Next(Faults().syncs, fd, fault)) {
        errno = EINTR;
        return -1;
    }
    return __real_fsync(fd);
}
}

namespace ql::test {
namespace {

class InterruptedCalls : public ::testing::Test {
  protected:
    void SetUp() override { Faults() = Injection(); }
    void TearDown() override { Faults() = Injection(); }
};

std::vector<std::uint8_t> Pattern(std::size_t size) {
    std::vector<std::uint8_t> bytes(size);
    std::iota(bytes.begin(), bytes.end(), std::uint8_t{1});
    return bytes;
}

TEST_F(InterruptedCalls, TheSerialLineMovesEveryByteThroughInterruptsAndShortWrites) {
    const int master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(master, 0);
    ASSERT_EQ(grantpt(master), 0);
    ASSERT_EQ(unlockpt(master), 0);
    Faults().spared.insert(master);
    CComPort port;
    ASSERT_TRUE(port.Open(ptsname(master), 9600)) << port.LastFailure();

    const std::vector<std::uint8_t> frame = Pattern(120);
    Faults().writes = {Fault::kInterrupted, Fault::kNotYet, Fault::kShort,
                       Fault::kInterrupted, Fault::kShort,  Fault::kShort};
    ASSERT_TRUE(port.Write(frame)) << port.LastFailure();
    EXPECT_TRUE(Faults().writes.empty());
    std::vector<std::uint8_t> heard;
    while (heard.size() < frame.size()) {
        std::array<std::uint8_t, 256> buffer{};
        const ssize_t got = ::read(master, buffer.data(), buffer.size());
        ASSERT_GT(got, 0);
        heard.insert(heard.end(), buffer.begin(), buffer.begin() + got);
    }
    EXPECT_EQ(heard, frame);

    // Reading: an interrupt is retried; EAGAIN is "nothing yet", no failure, and the bytes
    // wait for the next read.
    ASSERT_EQ(::write(master, frame.data(), 40), 40);
    ASSERT_TRUE(port.WaitReadable(std::chrono::seconds(5)));
    Faults().reads = {Fault::kNotYet};
    std::array<std::uint8_t, 256> buffer{};
    std::size_t count = 0;
    EXPECT_FALSE(port.Read(buffer, count));
    Faults().reads = {Fault::kInterrupted, Fault::kInterrupted};
    std::vector<std::uint8_t> got;
    while (got.size() < 40 && port.WaitReadable(std::chrono::seconds(5))) {
        if (port.Read(buffer, count)) got.insert(got.end(), buffer.begin(), buffer.begin() + count);
    }
    EXPECT_EQ(got, std::vector<std::uint8_t>(frame.begin(), frame.begin() + 40));
    EXPECT_EQ(Faults().injected, 9);
    port.Close();
    ::close(master);
}

TEST_F(InterruptedCalls, TheFileWriterWritesWholeFilesAndSyncsThroughInterrupts) {
    const TempDir dir;
    const std::string text(100000, 'x');
    Faults().writes = {Fault::kShort, Fault::kInterrupted, Fault::kNotYet, Fault::kShort};
    EXPECT_EQ(SaveFile(dir.File("plain.txt"), text, Durability::Deferred).ErrorNumber(), 0);
    EXPECT_EQ(ReadFileBytes(dir.File("plain.txt")), text);
    EXPECT_TRUE(Faults().writes.empty());

    const int fd = ::open(dir.File("plain.txt").c_str(), O_WRONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    Faults().syncs = {Fault::kInterrupted, Fault::kInterrupted};
    EXPECT_EQ(SyncToDisk(fd), 0);
    EXPECT_TRUE(Faults().syncs.empty());
    ::close(fd);
}

TEST_F(InterruptedCalls, AWriteThatMovesNothingFailsInsteadOfLoopingForever) {
    const TempDir dir;
    Faults().writes = {Fault::kNothing};
    EXPECT_EQ(SaveFile(dir.File("plain.txt"), "text", Durability::Deferred).ErrorNumber(), EIO);
}

TEST_F(InterruptedCalls, ASaveGoesThroughInterruptedWritesAndSync) {
    const TempDir dir;
    TestRadio radio{0};
    radio("CH.MCH_144.12.FREQUENCY=145.5000");
    Faults().writes = {Fault::kInterrupted, Fault::kShort, Fault::kNotYet, Fault::kShort};
    Faults().syncs = {Fault::kInterrupted};
    const DataFileResult saved = SaveDataFile(radio.Data(), dir.File("saved.icf"));
    ASSERT_TRUE(saved.ok) << saved.message;
    EXPECT_TRUE(Faults().syncs.empty());
    TestRadio loaded{0};
    ASSERT_TRUE(OpenDataFile(loaded.Data(), dir.File("saved.icf")).ok);
    EXPECT_EQ(loaded("CH.MCH_144.12.FREQUENCY"), "145.5000");
}

}  // namespace
}  // namespace ql::test
