// The engineer's own materials file: kept whole, read back exactly, and a damaged or foreign file
// refused naming itself and the fault, so that nobody picks a material of unknown values.
#include "document/own_materials.h"

#include "common/errors.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString Refusal(const QString& path)
{
    try {
        ReadOwnMaterials(path);
    } catch (const KorvelError& error) {
        return error.Text();
    }
    return {};
}

void Write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(OwnMaterials, TravelExactlyAndANewOneMayNotTakeAKeptName)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("materials.json");
    EXPECT_TRUE(ReadOwnMaterials(path).empty());
    const std::vector<TSteelGrade> kept{OwnMaterial(" 17NiCrMo6-4 ", 1150.5L, 830, 210000, 80000, 7850),
                                        OwnMaterial("Ti-6Al-4V", 950, 880, 114000, 44000, 4430)};
    SaveOwnMaterials(path, kept);
    const std::vector<TSteelGrade> read = ReadOwnMaterials(path);
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[0].Name, "17NiCrMo6-4");
    EXPECT_EQ(read[0].Bands, kept[0].Bands);
    EXPECT_EQ(read[1].ShearModulus, 44000);
    EXPECT_EQ(read[1].Density, 4430);
    EXPECT_EQ(OwnMaterialProblem(OwnMaterial("ti-6al-4v", 900, 800, 114000, 44000, 4430), read),
              "A material named Ti-6Al-4V is already kept");
    EXPECT_EQ(OwnMaterialProblem(OwnMaterial("  ", 900, 800, 114000, 44000, 4430), read), "Give the material a name");
    EXPECT_TRUE(OwnMaterialProblem(OwnMaterial("Wood", 90, 50, 11000, 1000, 50), read).startsWith("The density must be"))
        << OwnMaterialProblem(OwnMaterial("Wood", 90, 50, 11000, 1000, 50), read).toStdString();
}

TEST(OwnMaterials, ADamagedFileIsRefusedNamingItselfAndTheFault)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("materials.json");
    Write(path, "{\"format\": \"korvel-design\", \"materials\": []}");
    EXPECT_EQ(Refusal(path), "Your materials in " + path + " cannot be read: its \"format\" is not \"korvel-materials\"");
    Write(path, "{\"format\": \"korvel-materials\", \"materials\": [{\"Name\": \"A\", \"UltimateStrength\": \"400\", "
                "\"YieldStrength\": \"300\", \"Modulus\": \"210000\", \"ShearModulus\": \"81000\", \"Density\": \"7850\"}, "
                "{\"Name\": \"a\", \"UltimateStrength\": \"400\", \"YieldStrength\": \"300\", \"Modulus\": \"210000\", "
                "\"ShearModulus\": \"81000\", \"Density\": \"7850\"}]}");
    EXPECT_EQ(Refusal(path), "Your materials in " + path + " cannot be read: materials[1].Name: A material named A is already kept");
    Write(path, "not json");
    EXPECT_EQ(Refusal(path), "Your materials in " + path + " cannot be read: it is not a JSON object");
}

} // namespace
