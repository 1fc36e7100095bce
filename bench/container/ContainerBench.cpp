// Speed of the encrypted container: raw throughput and one whole data-file load.
#include "CipherContext.h"
#include "DataPasswords.h"
#include "TEncryption.h"

#include <QBuffer>
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <benchmark/benchmark.h>

#include <vector>

namespace {

constexpr int kChunkSize = 262144; // bytes, as the program's loader uses
constexpr int kMiB = 1 << 20;

QString password()
{
    return QString::fromLatin1(DataPasswords::kDatabase);
}

QByteArray textLines(int bytes)
{
    QByteArray text;
    text.reserve(bytes + 200);
    for (int i = 0; text.size() < bytes; ++i) {
        text += "XXX\tE001\t64-17-5\tfrei\tEthanol " + QByteArray::number(i)
            + "\t\tEthanol\t\tC2H6O\t2\t6\t46,069\t159,05\t351,44\tA\t23,58\t-3673,81\t-46,681\t0\t0\t270\t369\t"
              "513,9\t61,48\r\n";
    }
    text.truncate(bytes);
    return text;
}

QByteArray encrypted(const QByteArray &plaintext)
{
    TEncryption encryption(password(), kChunkSize);
    QByteArray source = plaintext;
    QBuffer in(&source);
    in.open(QIODevice::ReadOnly);
    QByteArray container;
    QBuffer out(&container);
    out.open(QIODevice::WriteOnly);
    encryption.EncryptStream(&in, &out);
    return container;
}

// Keystream and tag over 1 MiB without the key derivation: the cipher's own throughput.
void cipherThroughput(benchmark::State &state)
{
    const QByteArray salt(8, '\x42');
    const QByteArray pw = password().toLatin1();
    CipherContext context;
    unsigned char verifier[2];
    InitCipherContext(context, 1, reinterpret_cast<const unsigned char *>(pw.constData()), std::size_t(pw.size()),
                      reinterpret_cast<const unsigned char *>(salt.constData()), verifier);
    std::vector<unsigned char> data(kMiB, 0x61);
    for (auto _ : state) {
        context.transform(data.data(), data.size());
        context.authenticate(data.data(), data.size());
        benchmark::DoNotOptimize(data.data());
    }
    state.SetBytesProcessed(state.iterations() * kMiB);
}

// Key derivation (PBKDF2, 1000 rounds) and key setup, paid once per file operation.
void keySetup(benchmark::State &state)
{
    const QByteArray salt(8, '\x42');
    const QByteArray pw = password().toLatin1();
    CipherContext context;
    unsigned char verifier[2];
    for (auto _ : state) {
        InitCipherContext(context, 1, reinterpret_cast<const unsigned char *>(pw.constData()),
                          std::size_t(pw.size()), reinterpret_cast<const unsigned char *>(salt.constData()),
                          verifier);
        benchmark::DoNotOptimize(verifier);
    }
}

// Whole operations on 1 MiB, key derivation included.
void encryptStream(benchmark::State &state)
{
    QByteArray plaintext = textLines(kMiB);
    QByteArray container;
    container.reserve(kMiB + 64);
    for (auto _ : state) {
        TEncryption encryption(password(), kChunkSize);
        QBuffer in(&plaintext);
        in.open(QIODevice::ReadOnly);
        container.clear();
        QBuffer out(&container);
        out.open(QIODevice::WriteOnly);
        if (!encryption.EncryptStream(&in, &out))
            state.SkipWithError("encryption failed");
    }
    state.SetBytesProcessed(state.iterations() * kMiB);
}

void decryptStream(benchmark::State &state)
{
    QByteArray container = encrypted(textLines(kMiB));
    QByteArray plaintext;
    plaintext.reserve(kMiB);
    for (auto _ : state) {
        TEncryption encryption(password(), kChunkSize);
        QBuffer in(&container);
        in.open(QIODevice::ReadOnly);
        plaintext.clear();
        QBuffer out(&plaintext);
        out.open(QIODevice::WriteOnly);
        if (!encryption.DecryptStream(&in, &out, in.size()))
            state.SkipWithError("decryption failed");
    }
    state.SetBytesProcessed(state.iterations() * kMiB);
}

// One data file as the program loads it: 200 KiB container decrypted and split into text lines.
void loadDataFile(benchmark::State &state)
{
    constexpr int kSize = 200 * 1024;
    QByteArray container = encrypted(textLines(kSize));
    for (auto _ : state) {
        TEncryption encryption(password(), kChunkSize);
        QBuffer in(&container);
        in.open(QIODevice::ReadOnly);
        QByteArray plaintext;
        QBuffer out(&plaintext);
        out.open(QIODevice::WriteOnly);
        encryption.DecryptStream(&in, &out, in.size());
        const QStringList lines = QString::fromLatin1(plaintext).split(QStringLiteral("\r\n"));
        benchmark::DoNotOptimize(lines.size());
    }
    state.SetBytesProcessed(state.iterations() * kSize);
}

} // namespace

BENCHMARK(cipherThroughput);
BENCHMARK(keySetup);
BENCHMARK(encryptStream);
BENCHMARK(decryptStream);
BENCHMARK(loadDataFile);

BENCHMARK_MAIN();
