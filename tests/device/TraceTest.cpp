#include <gtest/gtest.h>

#include "ScriptedChannel.h"
#include "TempDir.h"
#include "TracingChannel.h"

namespace {

TEST(TracingChannel, AppendsEveryByteBothWaysAndTheTimeOuts) {
    TempDir dir;
    WriteFileBytes(dir.file("trace.txt"), "earlier\n");
    ScriptedChannel inner;
    inner.addPort("/dev/pts/3", [](std::uint8_t b, const auto&) { return Plain({b, 0x02}); });
    {
        TraceWriter trace(dir.file("trace.txt"));
        TracingChannel channel(inner, trace);
        channel.setPortName("/dev/pts/3");
        ASSERT_GE(channel.open(LineSettings::Download()), 0);
        std::uint8_t bytes[4] = {0x14};
        channel.write(1, bytes);
        EXPECT_EQ(channel.read(bytes, 4), 2);
        channel.close();
    }
    const std::string text = ReadFileBytes(dir.file("trace.txt"));
    EXPECT_EQ(text.rfind("earlier\n# trace started ", 0), 0u);
    for (const char* line : {" open /dev/pts/3 9600 8N1 -> 3\n", " tx 14\n",
                             " rx 14 02 (time-out, 2 of 4)\n", " close /dev/pts/3\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line;
}

} // namespace
