// The shared section across processes: what one process does through the
// library another one sees, the process records, concurrent use, the
// bounded log and the lock's recovery from a dead owner.
#include "SimTestSupport.h"

#include <map>
#include <thread>

#include "Polling.h"
#include "core/SectionLayout.h"
#include "core/SharedSection.h"

namespace {

using portsim::LogEntry;
using portsim::ProcessInfo;

using SharedSection = SimPortTest;

// Waits end on what they wait for; this only stops a hung one.
constexpr DWORD kHangGuardMs = 60000;

ProcessInfo RecordOf(const portsim::PortSimClient& client, uint32_t pid) {
    for (const ProcessInfo& p : client.Processes()) {
        if (p.pid == pid)
            return p;
    }
    ADD_FAILURE() << "no record of process " << pid;
    return {};
}

TEST_F(SharedSection, SecondProcessSeesAndChangesThePort) {
    m_library->Out(0x378, 0x5A);
    m_library->Out(0x37A, 0x0B);
    ProcessResult read = RunHelper(L"simport_child.exe", L"read 378 37A 379");
    EXPECT_EQ(read.exitCode, 0u);
    EXPECT_EQ(read.output, "5A CB 7F\n");

    EXPECT_EQ(RunHelper(L"simport_child.exe", L"write 378 C3").exitCode, 0u);
    EXPECT_EQ(m_library->In(0x378), 0xC3);

    // The tool drives the cable through the client, from a third process.
    EXPECT_EQ(RunHelper(L"portsim.exe", L"pins 11=0 15=0").exitCode, 0u);
    EXPECT_EQ(m_library->In(0x379), 0xF7);
}

TEST_F(SharedSection, RecordsAttachAndDetachPerProcess) {
    const ProcessInfo self = RecordOf(*m_client, GetCurrentProcessId());
    EXPECT_EQ(self.attaches, 1u);
    EXPECT_TRUE(self.HoldsLibrary());

    EXPECT_EQ(RunHelper(L"simport_child.exe", L"release").exitCode, 0u);
    EXPECT_EQ(RunHelper(L"simport_child.exe", L"exit").exitCode, 0u);
    std::vector<ProcessInfo> children;
    for (const ProcessInfo& p : m_client->Processes()) {
        if (p.pid != GetCurrentProcessId())
            children.push_back(p);
    }
    ASSERT_EQ(children.size(), 2u);
    EXPECT_EQ(children[0].releases, 1u); // FreeLibrary ran DETACH
    EXPECT_EQ(children[0].exits, 0u);
    EXPECT_EQ(children[1].releases, 0u); // ended holding it
    EXPECT_EQ(children[1].exits, 1u);
    for (const ProcessInfo& p : children) {
        EXPECT_EQ(p.attaches, 1u);
        EXPECT_EQ(p.accesses, 1u);
        EXPECT_EQ(p.writes, 0u); // one read
        EXPECT_FALSE(p.HoldsLibrary());
    }

    m_library.reset(); // FreeLibrary, then load again
    m_library = std::make_unique<SimLibrary>();
    const ProcessInfo again = RecordOf(*m_client, GetCurrentProcessId());
    EXPECT_EQ(again.attaches, 2u);
    EXPECT_EQ(again.releases, 1u);
}

// The GDI objects of the process that loaded the library, sampled at its
// accesses (at most every 10 ms).
TEST_F(SharedSection, SamplesTheCallersGdiObjects) {
    const auto freshSample = [this] {
        ProcessInfo record{};
        driver::WaitUntil(
            [&] {
                m_library->In(0x379);
                record = RecordOf(*m_client, GetCurrentProcessId());
                return record.sampledAt == record.accesses;
            },
            kHangGuardMs, 1);
        return record;
    };
    const auto createBitmaps = [](int count) {
        HDC dc = CreateCompatibleDC(nullptr);
        std::vector<HGDIOBJ> objects{dc};
        for (int i = 0; i < count; ++i)
            objects.push_back(CreateCompatibleBitmap(dc, 8, 8));
        return objects;
    };
    const auto deleteAll = [](const std::vector<HGDIOBJ>& objects) {
        for (size_t i = 1; i < objects.size(); ++i)
            DeleteObject(objects[i]);
        DeleteDC(static_cast<HDC>(objects[0]));
    };
    deleteAll(createBitmaps(1)); // GDI's own first-use objects stay; count from there
    const ProcessInfo before = freshSample();
    const std::vector<HGDIOBJ> objects = createBitmaps(20);
    const ProcessInfo during = freshSample();
    deleteAll(objects);
    const ProcessInfo after = freshSample();

    EXPECT_EQ(during.sampledAt, during.accesses);
    EXPECT_EQ(during.gdiObjects, before.gdiObjects + 21); // the DC and 20 bitmaps
    EXPECT_EQ(after.gdiObjects, before.gdiObjects);
}

// The first rule a stretch of the log breaks ("" for none): numbered without
// gaps, each process's writes in its own order, each read of Data returning
// the last value written before it. Counts the changes from one process to
// the other.
std::string OrderingFault(const std::vector<LogEntry>& entries, int* switches) {
    std::map<uint32_t, int> lastWrittenBy;
    int lastWritten = -1;
    *switches = 0;
    for (size_t i = 0; i < entries.size(); ++i) {
        const LogEntry& e = entries[i];
        const std::string at = " at seq " + std::to_string(e.seq);
        if (e.seq != entries[0].seq + i || e.port != 0x378)
            return "a gap or a stray access" + at;
        if (e.write) {
            const auto previous = lastWrittenBy.find(e.pid);
            if (previous != lastWrittenBy.end() &&
                (e.value & 0x7F) != ((previous->second + 1) & 0x7F))
                return "a write out of its process's order" + at;
            lastWrittenBy[e.pid] = lastWritten = e.value;
        } else if (lastWritten >= 0 && e.value != lastWritten) {
            return "a read of another value than the last written" + at;
        }
        *switches += i > 0 && e.pid != entries[i - 1].pid;
    }
    return "";
}

// Two processes hammer the port at once until the kept log is full and shows
// them taking turns. The log must hold every access once, in an order the
// register agrees with, during the run and after it.
TEST_F(SharedSection, TwoProcessesAtOnceKeepStateAndLogConsistent) {
    const std::wstring goName = m_section + L"-go", stopName = m_section + L"-stop";
    HANDLE go = CreateEventW(nullptr, TRUE, FALSE, goName.c_str());
    HANDLE stop = CreateEventW(nullptr, TRUE, FALSE, stopName.c_str());
    const std::wstring arguments = L"hammer " + goName + L" " + stopName;
    ChildProcess low(L"simport_child.exe", arguments + L" 0");
    ChildProcess high(L"simport_child.exe", arguments + L" 80");
    const bool attached =
        driver::WaitUntil([&] { return m_client->Processes().size() == 3; }, kHangGuardMs);
    const uint64_t start = m_client->State().nextSeq;
    SetEvent(go);
    portsim::LogRead during;
    std::string duringFault;
    int switches = 0;
    driver::WaitUntil(
        [&] {
            during = m_client->ReadLog(start - 1);
            duringFault = OrderingFault(during.entries, &switches);
            return !duringFault.empty() ||
                   (during.entries.size() == portsim::kLogCapacity && switches > 0);
        },
        kHangGuardMs);
    SetEvent(stop);
    const ProcessResult lowResult = low.Wait(), highResult = high.Wait();
    CloseHandle(go);
    CloseHandle(stop);
    ASSERT_TRUE(attached) << "the hammering processes did not load the library";
    ASSERT_EQ(lowResult.exitCode, 0u);
    ASSERT_EQ(highResult.exitCode, 0u);
    EXPECT_EQ(duringFault, "");
    EXPECT_GT(switches, 0) << "the two processes never ran at the same time";
    const uint64_t iterations = std::stoull(lowResult.output) + std::stoull(highResult.output);

    const portsim::LogRead log = m_client->ReadLog(start - 1);
    EXPECT_EQ(log.nextSeq - start, 2 * iterations); // no access lost or counted twice
    EXPECT_EQ(log.missed + log.entries.size(), 2 * iterations);
    ASSERT_EQ(log.entries.size(), portsim::kLogCapacity);
    EXPECT_EQ(OrderingFault(log.entries, &switches), "");
    uint64_t accesses = 0, writes = 0;
    for (const ProcessInfo& p : m_client->Processes()) {
        if (p.pid != GetCurrentProcessId())
            accesses += p.accesses, writes += p.writes;
    }
    EXPECT_EQ(accesses, 2 * iterations);
    EXPECT_EQ(writes, iterations); // counted whole, though the log overflowed
}

TEST_F(SharedSection, LogOverflowIsCounted) {
    const uint64_t first = m_client->State().nextSeq;
    const uint32_t extra = 100;
    for (uint32_t i = 0; i < portsim::kLogCapacity + extra; ++i)
        m_library->Out(0x378, static_cast<uint16_t>(i));

    portsim::LogRead all = m_client->ReadLog(0);
    ASSERT_EQ(all.entries.size(), portsim::kLogCapacity);
    EXPECT_EQ(all.missed, extra);
    EXPECT_EQ(all.entries.front().seq, first + extra);
    EXPECT_EQ(all.entries.back().value, static_cast<uint16_t>(portsim::kLogCapacity + extra - 1));
    EXPECT_EQ(m_client->State().oldestKept - m_client->State().logStart, extra);

    // A reader that kept up loses nothing; one that fell behind is told how much.
    const uint64_t seen = all.nextSeq - 1;
    for (int i = 0; i < 5; ++i)
        m_library->In(0x379);
    const portsim::LogRead next = m_client->ReadLog(seen);
    EXPECT_EQ(next.missed, 0u);
    EXPECT_EQ(next.entries.size(), 5u);
    EXPECT_EQ(m_client->ReadLog(first + 10).missed, extra + 5 - 11); // from first + 11 on

    m_client->ClearLog();
    EXPECT_TRUE(m_client->ReadLog(0).entries.empty());
    EXPECT_EQ(m_client->ReadLog(0).missed, 0u);
    m_library->In(0x379);
    const portsim::LogRead afterClear = m_client->ReadLog(0);
    ASSERT_EQ(afterClear.entries.size(), 1u);
    EXPECT_EQ(afterClear.entries[0].seq, seen + 6); // numbering goes on
}

// A process that died holding the lock does not block the port for good.
TEST_F(SharedSection, LockOfADeadThreadIsTakenOver) {
    DWORD deadThread = 0;
    std::thread([&deadThread] { deadThread = GetCurrentThreadId(); }).join();
    portsim::SharedSection raw;
    portsim::SimSettings settings;
    settings.section = m_section;
    ASSERT_EQ(raw.Open(settings, portsim::OpenMode::Existing), L"");
    raw.get()->lock.store(deadThread);

    m_library->Out(0x378, 0x42);
    EXPECT_EQ(m_library->In(0x378), 0x42);
    EXPECT_EQ(raw.get()->lock.load(), 0u);
}

} // namespace
