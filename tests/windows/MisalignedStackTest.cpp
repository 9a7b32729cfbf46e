// 32-bit Windows hosts may call a plug-in on a stack aligned to 4 bytes only.
// The entry points are called here from a stack deliberately off the 16-byte
// alignment, and must work (and sound) exactly as from an aligned one.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "adapters/vst2/abi/VstOpcodes.h"
#include "adapters/vst2/abi/VstTypes.h"
#include "adapters/vst3/abi/Vst3Component.h"
#include "tools/library/SharedLibrary.h"

// Calls function with count 32-bit arguments from a stack whose address is
// skew modulo 16 at the call (an aligned caller has 0); returns EAX. Written
// in assembly, as compiled code would realign the stack itself.
extern "C" uint32_t CallWithSkew(const void* function, const uint32_t* args, int count, int skew);
asm(".text\n"
    ".globl _CallWithSkew\n"
    "_CallWithSkew:\n"
    "  pushl %ebp\n"
    "  movl %esp, %ebp\n"
    "  pushl %esi\n"
    "  pushl %edi\n"
    "  movl 12(%ebp), %esi\n"
    "  movl 16(%ebp), %ecx\n"
    "  leal (,%ecx,4), %edx\n"
    "  subl %edx, %esp\n"
    "  andl $-16, %esp\n"
    "  subl $16, %esp\n"
    "  addl 20(%ebp), %esp\n"
    "  movl %esp, %edi\n"
    "  cld\n"
    "  rep movsl\n"
    "  movl 8(%ebp), %eax\n"
    "  call *%eax\n"
    "  leal -8(%ebp), %esp\n"
    "  popl %edi\n"
    "  popl %esi\n"
    "  popl %ebp\n"
    "  ret\n");

namespace {
constexpr int kFrames = 512;

template <typename T>
uint32_t Word(T value)
{
    static_assert(sizeof(T) == 4, "one stack slot");
    uint32_t word;
    std::memcpy(&word, &value, 4);
    return word;
}

VstIntPtr VSTCALL HostCallback(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void*, float)
{
    return opcode == 1 ? 2400 : 0; // audioMasterVersion
}

// A VST 2.4 plug-in driven entirely through calls at one stack skew.
class SkewedVst2 {
public:
    SkewedVst2(void* entry, int stackSkew) : skew(stackSkew)
    {
        const uint32_t args[] = {Word(&HostCallback)};
        effect = reinterpret_cast<AEffect*>(CallWithSkew(entry, args, 1, skew));
    }

    AEffect* Effect() const { return effect; }

    VstIntPtr Dispatch(VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0, void* ptr = nullptr, float opt = 0)
    {
        const uint32_t args[] = {Word(effect), Word(opcode), Word(index), Word(value), Word(ptr), Word(opt)};
        return static_cast<VstIntPtr>(CallWithSkew(reinterpret_cast<void*>(effect->dispatcher), args, 6, skew));
    }

    void SetParameter(VstInt32 index, float value)
    {
        const uint32_t args[] = {Word(effect), Word(index), Word(value)};
        CallWithSkew(reinterpret_cast<void*>(effect->setParameter), args, 3, skew);
    }

    template <typename Process, typename Sample>
    void Run(Process process, Sample** in, Sample** out)
    {
        const uint32_t args[] = {Word(effect), Word(in), Word(out), Word(kFrames)};
        CallWithSkew(reinterpret_cast<void*>(process), args, 4, skew);
    }

private:
    int skew;
    AEffect* effect = nullptr;
};

// Opens, sets up, processes in both precisions, saves a chunk and closes;
// returns every output sample and the chunk's size.
std::vector<double> Session(void* entry, int skew, VstIntPtr& chunkSize)
{
    SkewedVst2 plugin(entry, skew);
    EXPECT_NE(plugin.Effect(), nullptr);
    if (!plugin.Effect())
        return {};
    plugin.Dispatch(effOpen);
    plugin.Dispatch(effSetSampleRate, 0, 0, nullptr, 44100.0f);
    plugin.Dispatch(effSetBlockSize, 0, kFrames);
    plugin.Dispatch(effSetProgram, 0, 4);
    plugin.SetParameter(38, 0.5f);
    plugin.Dispatch(effMainsChanged, 0, 1);
    std::vector<double> inL(kFrames), inR(kFrames), outL(kFrames), outR(kFrames), result;
    std::vector<float> fInL(kFrames), fInR(kFrames), fOutL(kFrames), fOutR(kFrames);
    for (int i = 0; i < kFrames; ++i) {
        inL[i] = fInL[i] = static_cast<float>(0.5 * std::sin(0.05 * i));
        inR[i] = fInR[i] = static_cast<float>(0.25 * std::sin(0.31 * i));
    }
    double* in[2] = {inL.data(), inR.data()};
    double* out[2] = {outL.data(), outR.data()};
    float* fIn[2] = {fInL.data(), fInR.data()};
    float* fOut[2] = {fOutL.data(), fOutR.data()};
    for (int block = 0; block < 4; ++block) {
        plugin.Run(plugin.Effect()->processDoubleReplacing, in, out);
        result.insert(result.end(), outL.begin(), outL.end());
        result.insert(result.end(), outR.begin(), outR.end());
        plugin.Run(plugin.Effect()->processReplacing, fIn, fOut);
        result.insert(result.end(), fOutL.begin(), fOutL.end());
    }
    void* chunk = nullptr;
    chunkSize = plugin.Dispatch(effGetChunk, 1, 0, &chunk);
    plugin.Dispatch(effMainsChanged, 0, 0);
    plugin.Dispatch(effClose);
    return result;
}

// A vtable slot of an interface pointer.
const void* Slot(void* object, int index)
{
    return (*static_cast<void* const* const*>(object))[index];
}
} // namespace

TEST(MisalignedStack, Vst2EntryPointsWorkAndSoundTheSameAtEverySkew)
{
    SharedLibrary library;
    std::string error;
    ASSERT_TRUE(library.Load(SONDREL_VST2_PATH, error)) << error;
    void* entry = library.Symbol("VSTPluginMain");
    ASSERT_NE(entry, nullptr);
    VstIntPtr alignedChunk = 0;
    const std::vector<double> aligned = Session(entry, 0, alignedChunk);
    ASSERT_FALSE(aligned.empty());
    EXPECT_GT(alignedChunk, 0);
    for (int skew : {4, 8, 12}) {
        VstIntPtr chunk = 0;
        const std::vector<double> skewed = Session(entry, skew, chunk);
        ASSERT_EQ(skewed.size(), aligned.size()) << "skew " << skew;
        EXPECT_EQ(std::memcmp(skewed.data(), aligned.data(), aligned.size() * sizeof(double)), 0) << "skew " << skew;
        EXPECT_EQ(chunk, alignedChunk);
    }
}

TEST(MisalignedStack, Vst3ModuleAndFactoryWorkAtEverySkew)
{
    SharedLibrary library;
    std::string error;
    ASSERT_TRUE(library.Load(SONDREL_VST3_BINARY, error)) << error;
    for (int skew : {4, 8, 12}) {
        ASSERT_EQ(CallWithSkew(library.Symbol("InitDll"), nullptr, 0, skew) & 0xFF, 1u);
        void* factory = reinterpret_cast<void*>(CallWithSkew(library.Symbol("GetPluginFactory"), nullptr, 0, skew));
        ASSERT_NE(factory, nullptr);
        const uint32_t countArgs[] = {Word(factory)};
        EXPECT_EQ(CallWithSkew(Slot(factory, 4), countArgs, 1, skew), 1u); // countClasses
        Vst3::PClassInfo info{};
        const uint32_t infoArgs[] = {Word(factory), 0, Word(&info)};
        ASSERT_EQ(CallWithSkew(Slot(factory, 5), infoArgs, 3, skew), 0u); // getClassInfo
        EXPECT_STREQ(info.name, "Sondrel");
        void* component = nullptr;
        const char* iid = Vst3::IComponent::kIid.bytes;
        const uint32_t createArgs[] = {Word(factory), Word(info.cid), Word(iid), Word(&component)};
        ASSERT_EQ(CallWithSkew(Slot(factory, 6), createArgs, 4, skew), 0u); // createInstance
        ASSERT_NE(component, nullptr);
        const uint32_t initArgs[] = {Word(component), 0};
        EXPECT_EQ(CallWithSkew(Slot(component, 3), initArgs, 2, skew), 0u); // initialize
        const uint32_t selfArgs[] = {Word(component)};
        EXPECT_EQ(CallWithSkew(Slot(component, 4), selfArgs, 1, skew), 0u);     // terminate
        EXPECT_EQ(CallWithSkew(Slot(component, 2), selfArgs, 1, skew), 0u);     // release: the last reference
        EXPECT_EQ(CallWithSkew(Slot(factory, 2), countArgs, 1, skew), 0u);      // release the factory
        ASSERT_EQ(CallWithSkew(library.Symbol("ExitDll"), nullptr, 0, skew) & 0xFF, 1u);
    }
}
