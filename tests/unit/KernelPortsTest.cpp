// kelvarin-ports' list read from fake /proc, /sys, /dev and /etc trees.
#include <gtest/gtest.h>

#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "devport/native/KernelPorts.h"

namespace {

namespace fs = std::filesystem;

// A user 4242 in no group of the nodes (which belong to the test's own
// group, named lp here), unless a case puts it there.
const std::string kUser = "Uid:\t4242\t4242\t4242\t4242\nGid:\t4242\t4242\t4242\t4242\n";

struct FakeTree {
    std::string root;
    FakeTree() {
        char folder[] = "/tmp/kelvarin-ports-XXXXXX";
        root = mkdtemp(folder);
        Write("/etc/group", "lp:x:" + std::to_string(getgid()) + ":\n");
    }
    ~FakeTree() { fs::remove_all(root); }
    void Write(const std::string& path, const std::string& text) {
        fs::create_directories(fs::path(root + path).parent_path());
        std::ofstream(root + path) << text;
    }
};

TEST(KernelPorts, ListsWhatTheKernelKnows) {
    const std::string port = "/proc/sys/dev/parport/parport";
    const struct {
        std::map<std::string, std::string> files;
        std::map<std::string, fs::perms> nodes;
        std::string status; // of this process
        std::string listed;
    } cases[] = {
        {{},
         {},
         kUser,
         "No parallel port: the kernel lists none (the module parport_pc is not loaded: sudo "
         "modprobe parport_pc; or the machine has no port)\n"},
        {{{"/sys/module/parport_pc/refcnt", "1\n"},
          {"/proc/sys/dev/parport/default/spintime", "500"}},
         {},
         kUser,
         "No parallel port: the kernel lists none (parport_pc is loaded and found no port on "
         "this machine)\n"},
        // One port without extended registers, before ppdev is loaded.
        {{{port + "0/base-addr", "632\t0\n"},
          {port + "0/modes", "PCSPP,TRISTATE\n"},
          {port + "0/irq", "-1\n"},
          {port + "0/dma", "-1\n"}},
         {},
         kUser,
         "parport0: base 278, no extended registers; SPP, PS/2; /dev/parport0: no such device: "
         "the ppdev module is not loaded (sudo modprobe ppdev)\n"},
        // Two with ECP: one the user's group may open, one not.
        {{{port + "1/base-addr", "888\t1912\n"},
          {port + "1/modes", "PCSPP,TRISTATE,COMPAT,EPP,ECP,DMA\n"},
          {port + "1/irq", "7\n"},
          {port + "1/dma", "3\n"},
          {port + "0/base-addr", "956\t1980\n"},
          {port + "0/modes", "PCSPP,TRISTATE,COMPAT,ECP\n"},
          {port + "0/irq", "5\n"},
          {port + "0/dma", "-1\n"},
          {"/sys/module/ppdev/refcnt", "0\n"}},
         {{"/dev/parport0", fs::perms(0660)}, {"/dev/parport1", fs::perms(0640)}},
         kUser + "Groups:\t" + std::to_string(getgid()) + "\n",
         "parport0: base 3BC, extended 7BC; SPP, PS/2, PPF, ECP; IRQ 5; /dev/parport0: you may "
         "open it\n"
         "parport1: base 378, extended 778; SPP, PS/2, PPF, EPP, ECP, DMA; IRQ 7; DMA 3; "
         "/dev/parport1: permission denied: the device does not let its group lp read and "
         "write it\n"},
        // The group lp may open it; this user is not in it.
        {{{port + "0/base-addr", "888\t0\n"}, {port + "0/modes", "PCSPP\n"}},
         {{"/dev/parport0", fs::perms(0660)}},
         kUser,
         "parport0: base 378, no extended registers; SPP; /dev/parport0: permission denied: the "
         "device belongs to group lp and this user is not in it (sudo usermod -aG lp \"$USER\", "
         "then log in again)\n"},
    };
    for (const auto& c : cases) {
        FakeTree tree;
        for (const auto& [path, text] : c.files)
            tree.Write(path, text);
        for (const auto& [path, mode] : c.nodes) {
            tree.Write(path, "");
            fs::permissions(tree.root + path, mode);
        }
        tree.Write("/proc/self/status", c.status);
        EXPECT_EQ(devport::ListPorts(tree.root), c.listed);
    }
}

} // namespace
