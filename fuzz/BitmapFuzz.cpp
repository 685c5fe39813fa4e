// Fuzzes the reading of a bitmap file as the game reads its pictures: the checks of the headers
// and run-length codes, Qt's decoding behind them, and the conversion to the drawing format.
#include "BitmapFile.h"
#include "FuzzInput.h"
#include "Runtime.h"

#include <QImage>
#include <QtGlobal>

using namespace glintrow;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // Whatever the headers claim, no picture is allocated larger than the limit.
    fuzzing::AddFlags(argc, argv, {fuzzing::MallocLimitFlag(MaxBitmapBytes)});
    // Qt's warnings about broken pictures tell a finding nothing.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static fuzzing::InputFile input;
    try {
        const QImage surface = ReadBitmapPicture(input.Write(data, size));
    } catch (const RuntimeError&) {
    }
    return 0;
}
