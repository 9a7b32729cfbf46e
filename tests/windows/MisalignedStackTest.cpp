// Hosts may call a plug-in on a stack aligned to no more than their ABI asks:
// on 32-bit Windows some align it to 4 bytes only, and 64-bit Windows aligns
// it to 16 bytes while the AVX2 and AVX-512 kernels work on 32- and 64-byte
// vectors. The entry points are called here from stacks deliberately off the
// wider alignment, and must work (and sound) exactly as from an aligned one.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include "adapters/vst2/abi/VstOpcodes.h"
#include "adapters/vst2/abi/VstTypes.h"
#include "adapters/vst3/abi/Vst3Component.h"
#include "tools/library/SharedLibrary.h"

// Calls function with count pointer-sized arguments from a stack whose
// address is skew modulo 64 (64-bit) or 16 (32-bit) at the call (an aligned
// caller has 0); returns the integer result. Written in assembly, as compiled code would
// realign the stack itself.
extern "C" uintptr_t CallWithSkew(const void* function, const uintptr_t* args, int count, int skew);
#ifdef _WIN64
// The first four arguments go in rcx, rdx, r8 and r9 and, as floats, in
// xmm0 to xmm3: each is loaded into both. Every argument is also copied to
// the stack, the first four into the callee's 32-byte home area.
constexpr int kSkews[] = {16, 32, 48};
asm(".text\n"
    ".globl CallWithSkew\n"
    "CallWithSkew:\n"
    "  pushq %rbp\n"
    "  movq %rsp, %rbp\n"
    "  pushq %rsi\n"
    "  pushq %rdi\n"
    "  movq %rcx, %rax\n"
    "  movq %rdx, %rsi\n"
    "  movslq %r8d, %rcx\n"
    "  movslq %r9d, %r9\n"
    "  leaq 96(,%rcx,8), %rdx\n"
    "  subq %rdx, %rsp\n"
    "  andq $-64, %rsp\n"
    "  addq %r9, %rsp\n"
    "  movq %rsp, %rdi\n"
    "  cld\n"
    "  rep movsq\n"
    "  movq (%rsp), %rcx\n"
    "  movq 8(%rsp), %rdx\n"
    "  movq 16(%rsp), %r8\n"
    "  movq 24(%rsp), %r9\n"
    "  movq %rcx, %xmm0\n"
    "  movq %rdx, %xmm1\n"
    "  movq %r8, %xmm2\n"
    "  movq %r9, %xmm3\n"
    "  call *%rax\n"
    "  leaq -16(%rbp), %rsp\n"
    "  popq %rdi\n"
    "  popq %rsi\n"
    "  popq %rbp\n"
    "  ret\n");
#else
constexpr int kSkews[] = {4, 8, 12};
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
#endif
namespace {
constexpr int kFrames = 512;

// The 32-bit result of a call (a tresult or a count): the register's low half.
uint32_t Low32(uintptr_t result)
{
    return static_cast<uint32_t>(result);
}

// One argument slot: integers and pointers fill it, a float its low bytes.
template <typename T>
uintptr_t Word(T value)
{
    static_assert(sizeof(T) <= sizeof(uintptr_t), "one argument slot");
    uintptr_t word = 0;
    std::memcpy(&word, &value, sizeof(T));
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
        const uintptr_t args[] = {Word(&HostCallback)};
        effect = reinterpret_cast<AEffect*>(CallWithSkew(entry, args, 1, skew));
    }

    AEffect* Effect() const { return effect; }

    VstIntPtr Dispatch(VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0, void* ptr = nullptr, float opt = 0)
    {
        const uintptr_t args[] = {Word(effect), Word(opcode), Word(index), Word(value), Word(ptr), Word(opt)};
        return static_cast<VstIntPtr>(CallWithSkew(reinterpret_cast<void*>(effect->dispatcher), args, 6, skew));
    }

    void SetParameter(VstInt32 index, float value)
    {
        const uintptr_t args[] = {Word(effect), Word(index), Word(value)};
        CallWithSkew(reinterpret_cast<void*>(effect->setParameter), args, 3, skew);
    }

    template <typename Process, typename Sample>
    void Run(Process process, Sample** in, Sample** out)
    {
        const uintptr_t args[] = {Word(effect), Word(in), Word(out), Word(kFrames)};
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
    for (int skew : kSkews) {
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
    for (int skew : kSkews) {
        ASSERT_EQ(CallWithSkew(library.Symbol("InitDll"), nullptr, 0, skew) & 0xFF, 1u);
        void* factory = reinterpret_cast<void*>(CallWithSkew(library.Symbol("GetPluginFactory"), nullptr, 0, skew));
        ASSERT_NE(factory, nullptr);
        const uintptr_t countArgs[] = {Word(factory)};
        EXPECT_EQ(Low32(CallWithSkew(Slot(factory, 4), countArgs, 1, skew)), 1u); // countClasses
        Vst3::PClassInfo info{};
        const uintptr_t infoArgs[] = {Word(factory), 0, Word(&info)};
        ASSERT_EQ(Low32(CallWithSkew(Slot(factory, 5), infoArgs, 3, skew)), 0u); // getClassInfo
        EXPECT_STREQ(info.name, "Sondrel");
        void* component = nullptr;
        const char* iid = Vst3::IComponent::kIid.bytes;
        const uintptr_t createArgs[] = {Word(factory), Word(info.cid), Word(iid), Word(&component)};
        ASSERT_EQ(Low32(CallWithSkew(Slot(factory, 6), createArgs, 4, skew)), 0u); // createInstance
        ASSERT_NE(component, nullptr);
        const uintptr_t initArgs[] = {Word(component), 0};
        EXPECT_EQ(Low32(CallWithSkew(Slot(component, 3), initArgs, 2, skew)), 0u); // initialize
        const uintptr_t selfArgs[] = {Word(component)};
        EXPECT_EQ(Low32(CallWithSkew(Slot(component, 4), selfArgs, 1, skew)), 0u);     // terminate
        EXPECT_EQ(Low32(CallWithSkew(Slot(component, 2), selfArgs, 1, skew)), 0u);     // release: the last reference
        EXPECT_EQ(Low32(CallWithSkew(Slot(factory, 2), countArgs, 1, skew)), 0u);      // release the factory
        ASSERT_EQ(CallWithSkew(library.Symbol("ExitDll"), nullptr, 0, skew) & 0xFF, 1u);
    }
}
