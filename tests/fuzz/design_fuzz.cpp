// A design file on any input: it is read and checked, replaying its entries on a scratch
// analysis, or refused with one message; a design that is read writes the bytes that read back
// as the same design.
// Input: the bytes of a design file.
#include "fuzz_support.h"

#include "document/design_file.h"

#include <QByteArray>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray json(reinterpret_cast<const char*>(data), qsizetype(size));
    TDesign design;
    if (!Attempt([&] { design = DesignFromJson(json); })) return 0;
    const QByteArray written = DesignToJson(design);
    TDesign again;
    Require(Attempt([&] { again = DesignFromJson(written); }), "a design written back is refused",
            QString::fromUtf8(written.left(400)));
    Require(again == design, "a design written back reads as another", QString::fromUtf8(written.left(400)));
    Require(DesignToJson(again) == written, "a design is written in two ways");
    return 0;
}
