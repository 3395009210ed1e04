#include "document/own_materials.h"

#include "check/check_inputs.h"
#include "common/errors.h"
#include "common/number_text.h"
#include "document/exact_number.h"
#include "document/json_fields.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>
#include <QSettings>
#include <limits>

namespace {

const QString kFormat = QStringLiteral("korvel-materials");
// More than anyone keeps: a longer list is refused before it is read.
constexpr qsizetype kMostMaterials = 1000;
const QString kOwnSource = QStringLiteral("own material, kept in materials.json beside the settings");

struct TNamedValue {
    TCheckInput Input;
    long double Value;
};

std::vector<TNamedValue> ValuesOf(const TSteelGrade& material)
{
    const TStrengthBand& band = material.Bands.front();
    return {{TCheckInput::UltimateStrength, band.UltimateStrength}, {TCheckInput::YieldStrength, band.YieldStrength},
            {TCheckInput::Modulus, material.ElasticModulus}, {TCheckInput::ShearModulus, material.ShearModulus},
            {TCheckInput::Density, material.Density}};
}

QJsonObject MaterialObject(const TSteelGrade& material)
{
    const TStrengthBand& band = material.Bands.front();
    return {{"Name", material.Name}, {"UltimateStrength", ExactNumberText(band.UltimateStrength)},
            {"YieldStrength", ExactNumberText(band.YieldStrength)}, {"Modulus", ExactNumberText(material.ElasticModulus)},
            {"ShearModulus", ExactNumberText(material.ShearModulus)}, {"Density", ExactNumberText(material.Density)}};
}

TSteelGrade ReadMaterial(const TJsonFields& fields)
{
    return OwnMaterial(fields.Text("Name"), fields.Number("UltimateStrength"), fields.Number("YieldStrength"),
                       fields.Number("Modulus"), fields.Number("ShearModulus"), fields.Number("Density"));
}

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) RaiseError(file.errorString());
    return file.readAll();
}

std::vector<TSteelGrade> MaterialsOf(const QByteArray& bytes)
{
    const QJsonDocument document = QJsonDocument::fromJson(bytes);
    if (!document.isObject()) RaiseError(QStringLiteral("it is not a JSON object"));
    const TJsonFields root(document.object(), QString());
    if (root.OptionalText("format") != kFormat) RaiseError(QStringLiteral("its \"format\" is not \"%1\"").arg(kFormat));
    std::vector<TSteelGrade> materials;
    for (const TJsonFields& fields : root.Objects("materials", kMostMaterials)) {
        TSteelGrade material = ReadMaterial(fields);
        const QString problem = OwnMaterialProblem(material, materials);
        if (!problem.isEmpty()) RaiseError(fields.PathOf("Name") + ": " + problem);
        materials.push_back(std::move(material));
    }
    return materials;
}

} // namespace

QString OwnMaterialsPath()
{
    const QSettings settings(QStringLiteral("Korvel"), QStringLiteral("Korvel"));
    return QFileInfo(settings.fileName()).absolutePath() + QStringLiteral("/materials.json");
}

TSteelGrade OwnMaterial(const QString& name, long double ultimate, long double yield, long double modulus,
                        long double shear, long double density)
{
    const long double anyDiameter = std::numeric_limits<long double>::infinity();
    return {name.trimmed(), kOwnSource, {{anyDiameter, ultimate, yield}}, modulus, shear, density};
}

QString OwnMaterialProblem(const TSteelGrade& material, const std::vector<TSteelGrade>& taken)
{
    if (material.Name.isEmpty()) return QStringLiteral("Give the material a name");
    for (const TSteelGrade& other : taken)
        if (other.Name.compare(material.Name, Qt::CaseInsensitive) == 0)
            return QStringLiteral("A material named %1 is already kept").arg(other.Name);
    for (const TNamedValue& named : ValuesOf(material))
        if (!InRange(named.Value, RangeOf(named.Input))) return OutOfRangeText(RangeOf(named.Input), named.Value);
    const TStrengthBand& band = material.Bands.front();
    if (band.YieldStrength > band.UltimateStrength)
        return QStringLiteral("Sy (%1 MPa) cannot be above Sut (%2 MPa)")
            .arg(FloatToStr(band.YieldStrength), FloatToStr(band.UltimateStrength));
    return {};
}

std::vector<TSteelGrade> ReadOwnMaterials(const QString& path)
{
    if (!QFileInfo::exists(path)) return {};
    try {
        return MaterialsOf(ReadBytes(path));
    } catch (const KorvelError& error) {
        RaiseError(QStringLiteral("Your materials in %1 cannot be read: %2").arg(path, error.Text()));
    }
}

void SaveOwnMaterials(const QString& path, const std::vector<TSteelGrade>& materials)
{
    QJsonArray array;
    for (const TSteelGrade& material : materials) array.append(MaterialObject(material));
    const QByteArray bytes = QJsonDocument(QJsonObject{{"format", kFormat}, {"version", 1}, {"materials", array}}).toJson();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        RaiseError(QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
}
