// Fuzz target: whatever a radio (or a noisy line) may send. The input is the byte stream the
// reply reader sees; a reply it accepts is then taken apart by every record decoder, and the
// decoders also get the raw input as reply data, frame or not.
#include "LinkCodec.h"
#include "LinkFrame.h"

#include <cstddef>
#include <cstdint>

using namespace zqv;
using namespace zqv::link;

namespace {

class CInput : public IByteSource {
public:
    CInput(const std::uint8_t *data, std::size_t size) : m_data(data), m_size(size) {}
    int NextByte() override { return m_pos < m_size ? m_data[m_pos++] : kTimeout; }

private:
    const std::uint8_t *m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

void DecodeAll(const std::uint8_t *data, int length)
{
    VirtualCPData record;
    DecodeIdentity(data, length, record);
    DecodeLimit(data, length, record.limit);
    DecodeSettings(data, length, record.setting);
    DecodeContact(data, length, record.contacts[0]);
    QString text;
    DecodeText(data, length, text);
    DecodeCapturedPid(data, length, text);
    QByteArray bytes;
    EncodeContact(record.contacts[0], bytes);  // what was decoded can be sent back
    EncodeLimit(record.limit);
    EncodeSettings(record.setting);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    CInput input(data, size);
    std::uint8_t opcode = 0;
    std::uint8_t body[kMaxReplyBody];
    const int r = ReadReply(input, opcode, body);
    if (r > kMaxReplyBody)
        __builtin_trap();
    for (int command = 0x25; command <= 0x39; ++command)
        CommandResult(std::uint8_t(command), r, opcode, body);
    if (r > 0)
        DecodeAll(body + 1, r - 1);
    DecodeAll(data, size > 4096 ? 4096 : int(size));
    return 0;
}
