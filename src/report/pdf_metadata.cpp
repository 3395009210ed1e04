#include "report/pdf_metadata.h"

#include <QXmlStreamWriter>

namespace {

// The PDF writer's producer, which its document information names.
const QString kProducer = QStringLiteral("Qt " QT_VERSION_STR);

QString Subject(const TReportDocument& report)
{
    const QString project = report.Design.Report.Project;
    return project.isEmpty() ? QString("Strength design of a machine shaft")
                             : "Strength design of a machine shaft: " + project;
}

// An "Alt" language alternative or a "Seq" list of one text, as XMP writes dc: properties.
void WriteListed(QXmlStreamWriter& xml, const QString& property, const QString& container, const QString& text)
{
    xml.writeStartElement(property);
    xml.writeStartElement("rdf:" + container);
    xml.writeStartElement("rdf:li");
    if (container == "Alt") xml.writeAttribute("xml:lang", "x-default");
    xml.writeCharacters(text);
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndElement();
}

void StartDescription(QXmlStreamWriter& xml, const QString& prefix, const QString& uri)
{
    xml.writeStartElement("rdf:Description");
    xml.writeNamespace(uri, prefix);
    xml.writeAttribute("rdf:about", "");
}

} // namespace

QString ReportTitle(const TReportDocument& report) { return "Shaft calculation report: " + report.FileName; }

QByteArray ReportXmp(const TReportDocument& report, const QDateTime& created)
{
    QDateTime stamped = created;
    stamped.setOffsetFromUtc(created.offsetFromUtc());
    const QString date = stamped.toString(Qt::ISODate);
    QByteArray xmp;
    QXmlStreamWriter xml(&xmp);
    xml.writeProcessingInstruction("xpacket", "begin='' id='W5M0MpCehiHzreSzNTczkc9d'");
    xml.writeStartElement("x:xmpmeta");
    xml.writeNamespace("adobe:ns:meta/", "x");
    xml.writeStartElement("rdf:RDF");
    xml.writeNamespace("http://www.w3.org/1999/02/22-rdf-syntax-ns#", "rdf");
    StartDescription(xml, "dc", "http://purl.org/dc/elements/1.1/");
    WriteListed(xml, "dc:title", "Alt", ReportTitle(report));
    if (!report.Design.Report.Engineer.isEmpty()) WriteListed(xml, "dc:creator", "Seq", report.Design.Report.Engineer);
    WriteListed(xml, "dc:description", "Alt", Subject(report));
    xml.writeEndElement();
    StartDescription(xml, "xmp", "http://ns.adobe.com/xap/1.0/");
    xml.writeAttribute("xmp:CreatorTool", "Korvel");
    xml.writeAttribute("xmp:CreateDate", date);
    xml.writeAttribute("xmp:ModifyDate", date);
    xml.writeEndElement();
    StartDescription(xml, "pdf", "http://ns.adobe.com/pdf/1.3/");
    xml.writeAttribute("pdf:Producer", kProducer);
    xml.writeEndElement();
    StartDescription(xml, "pdfaid", "http://www.aiim.org/pdfa/ns/id/");
    xml.writeAttribute("pdfaid:part", "1");
    xml.writeAttribute("pdfaid:conformance", "B");
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeProcessingInstruction("xpacket", "end='w'");
    return xmp;
}

bool StampedAt(const QByteArray& pdf, const QDateTime& created)
{
    return pdf.contains("/CreationDate (D:" + created.toString("yyyyMMddhhmmss").toLatin1());
}
