#include "app/passwordtransform.h"

#include "common/gbk.h"

#include <nettle/des.h>

#include <array>
#include <cstdint>

namespace songtao {
namespace {

constexpr char kKeyText[] = "57386240";

// The original key schedule reads each key byte least significant bit
// first; a standard DES given the bit-mirrored bytes computes the same.
std::uint8_t mirrored(std::uint8_t byte)
{
    std::uint8_t result = 0;
    for (int bit = 0; bit < 8; ++bit) {
        if (byte & (1u << bit))
            result = static_cast<std::uint8_t>(result | (0x80u >> bit));
    }
    return result;
}

std::array<std::uint8_t, DES_KEY_SIZE> desKey()
{
    std::array<std::uint8_t, DES_KEY_SIZE> key{};
    for (std::size_t i = 0; kKeyText[i] != '\0'; ++i)
        key[i % DES_KEY_SIZE] ^= static_cast<std::uint8_t>(kKeyText[i]);
    for (std::uint8_t &byte : key)
        byte = mirrored(byte);
    return key;
}

} // namespace

QByteArray storedPasswordText(QStringView password)
{
    const QByteArray bytes = toGbk(password);
    if (bytes.isEmpty())
        return {};

    const auto length = static_cast<std::uint32_t>(bytes.size());
    const qsizetype bufferSize =
        (bytes.size() + 4 + DES_BLOCK_SIZE - 1) / DES_BLOCK_SIZE * DES_BLOCK_SIZE;
    QByteArray buffer(bufferSize, '\0');
    for (int i = 0; i < 4; ++i)
        buffer[i] = static_cast<char>((length >> (8 * i)) & 0xffu);
    std::copy(bytes.cbegin(), bytes.cend(), buffer.begin() + 4);

    const auto key = desKey();
    des_ctx context;
    des_set_key(&context, key.data());
    auto *data = reinterpret_cast<std::uint8_t *>(buffer.data());
    des_encrypt(&context, static_cast<std::size_t>(buffer.size()), data, data);

    // The stored value is a C string: it ends at the first zero byte.
    const qsizetype zero = buffer.indexOf('\0');
    if (zero >= 0)
        buffer.truncate(zero);
    return buffer;
}

} // namespace songtao
