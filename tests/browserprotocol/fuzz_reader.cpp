// libFuzzer target: the message reader of the channel between the program and its browser
// helper, which each side runs on whatever the other sends. The input is cut into reads at
// places its first byte chooses, and read as the helper (the program's messages) or as the
// program (the helper's). Beyond not crashing (the sanitizers watch), the reader must:
//  - return only JSON objects of this protocol version with an op that side accepts;
//  - read nothing more once it has found a message breaking the rules;
//  - never hold more than a message's worth of bytes while waiting for a line feed;
// and every message it returns, encoded again, must come back the same through a new reader.

#include "browserprotocol/browserprotocol.h"

#include <QJsonValue>

#include <cstdint>
#include <cstdlib>

namespace {
void check(bool condition)
{
    if (!condition)
        std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const bool asHelper = data[0] & 1;
    const size_t chunk = 1 + (data[0] >> 1) * 97;
    const QStringList ops = asHelper ? BrowserProtocol::programOps() : BrowserProtocol::helperOps();
    BrowserProtocol::Reader reader(ops);
    qsizetype unread = 0;
    for (size_t at = 1; at < size; at += chunk) {
        const QByteArray bytes(reinterpret_cast<const char *>(data) + at,
                               qsizetype(std::min(chunk, size - at)));
        const bool broken = !reader.error().isEmpty();
        const QList<QJsonObject> messages = reader.read(bytes);
        check(!broken || messages.isEmpty());
        const qsizetype lastLineFeed = bytes.lastIndexOf('\n');
        unread = lastLineFeed < 0 ? unread + bytes.size() : bytes.size() - lastLineFeed - 1;
        check(!reader.error().isEmpty() || unread < BrowserProtocol::MaxMessageBytes);
        for (const QJsonObject &message : messages) {
            check(message.value(QStringLiteral("v")).toInt(-1) == BrowserProtocol::Version);
            const QString op = message.value(QStringLiteral("op")).toString();
            check(ops.contains(op));
            const QByteArray line = BrowserProtocol::encode(op, message);
            if (line.isEmpty())
                continue;
            check(line.size() <= BrowserProtocol::MaxMessageBytes && line.endsWith('\n'));
            BrowserProtocol::Reader again(ops);
            const QList<QJsonObject> back = again.read(line);
            check(again.error().isEmpty() && back.size() == 1 && back.first() == message);
        }
    }
    return 0;
}
