#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "ec/super_io.h"
#include "framework/owned_handle.h"
#include "test_support.h"
#include "tools/ecsim/state/unix_path.h"

namespace {

using namespace ec::sio;

// ERROR_INVALID_IMAGE_HASH: the driver refuses a module whose signature does not verify.
const HRESULT kModuleRefused = HRESULT_FROM_WIN32(577);

template <typename Function> Function Bind(HMODULE library, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
}

// The library loaded afresh over a new state of the test's own, so that it opens that state.
struct PawnIoRig {
    ScratchFolder scratch;
    ecsim::StateFile file = UseNewState(scratch / "state.bin");
    ecsim::EcSimState state{file};
    OwnedModule library{LoadLibraryW(ecsim::WindowsPathFromUnix(PAWNIO_LIB_DLL).c_str())};
    HRESULT(__stdcall* open)(PHANDLE) = Bind<decltype(open)>(library.Get(), "pawnio_open");
    HRESULT(__stdcall* load)
    (HANDLE, const UCHAR*, SIZE_T) = Bind<decltype(load)>(library.Get(), "pawnio_load");
    HRESULT(__stdcall* execute)
    (HANDLE, PCSTR, const ULONG64*, SIZE_T, PULONG64, SIZE_T,
     PSIZE_T) = Bind<decltype(execute)>(library.Get(), "pawnio_execute");
    HRESULT(__stdcall* close)(HANDLE) = Bind<decltype(close)>(library.Get(), "pawnio_close");
    HANDLE handle = nullptr;
    ULONG64 out = 0x1234;
    SIZE_T written = 0;

    ~PawnIoRig() {
        if (handle != nullptr) {
            close(handle);
        }
    }

    static std::string TestModule() {
        std::ifstream in(ecsim::WindowsPathFromUnix(PAWNIO_TEST_MODULE), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    HRESULT Load(const std::string& module) {
        return load(handle, reinterpret_cast<const UCHAR*>(module.data()), module.size());
    }
    HRESULT Run(const char* function, std::vector<ULONG64> in) {
        return execute(handle, function, in.data(), in.size(), &out, 1, &written);
    }
};

// Where the product's own tests cannot see it: the simulated driver runs nothing before the test
// module is loaded, refuses any other module, and lets no port but the selected pair through.
TEST(PawnIoSim, RunsOnlyTheTestModuleAndOnlyOnTheSelectedPortPair) {
    PawnIoRig rig;
    rig.state.SetInpHighByte(0xFF);
    ASSERT_EQ(rig.open(&rig.handle), S_OK);
    EXPECT_TRUE(FAILED(rig.Run("ioctl_select_slot", {1})));
    std::string module = PawnIoRig::TestModule();
    ASSERT_FALSE(module.empty());
    EXPECT_EQ(rig.Load(module + "x"), kModuleRefused);
    module.back() ^= 1;
    EXPECT_EQ(rig.Load(module), kModuleRefused);

    ASSERT_EQ(rig.Load(PawnIoRig::TestModule()), S_OK);
    EXPECT_EQ(rig.Run("ioctl_pio_outb", {kIndexPort, 0x2E}), E_ACCESSDENIED); // no slot yet
    ASSERT_EQ(rig.Run("ioctl_select_slot", {1}), S_OK);
    EXPECT_EQ(rig.Run("ioctl_pio_inb", {0x80}), E_ACCESSDENIED);
    EXPECT_EQ(rig.Run("ioctl_pio_outb", {0x2E, 0x2E}), E_ACCESSDENIED);
    EXPECT_EQ(rig.Run("ioctl_pio_outb", {0x1004E, 0x2E}), E_ACCESSDENIED);
    EXPECT_TRUE(rig.state.Trace()->empty());

    // The sub-register chosen through the pair reads back through it, as a byte only.
    ASSERT_EQ(rig.Run("ioctl_pio_outb", {kIndexPort, kSubRegisterSelect}), S_OK);
    ASSERT_EQ(rig.Run("ioctl_pio_outb", {kDataPort, kDataByte}), S_OK);
    EXPECT_EQ(rig.Run("ioctl_pio_inb", {kDataPort}), S_OK);
    EXPECT_EQ(rig.out, kDataByte);
    EXPECT_EQ(rig.written, 1u);
    EXPECT_EQ(rig.state.Trace()->size(), 3u);
}

} // namespace
