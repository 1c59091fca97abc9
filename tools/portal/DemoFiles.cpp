#include "portal/DemoFiles.h"

#include "platform/Cp1252.h"

#include <vector>

namespace zv::portal {

namespace {

// A string object of the page's content: the letters in Windows-1252, the
// characters with a meaning in PDF escaped, anything else kept as octal.
QByteArray pdfString(const QString& text)
{
    QByteArray out = "(";
    for (char byte : platform::toCp1252(text)) {
        const auto code = static_cast<unsigned char>(byte);
        if (byte == '(' || byte == ')' || byte == '\\')
            out += '\\' + QByteArray(1, byte);
        else if (code < 0x20 || code >= 0x7F)
            out += '\\' + QByteArray::number(code, 8).rightJustified(3, '0');
        else
            out += byte;
    }
    return out + ")";
}

QByteArray pageContent(const QStringList& textLines)
{
    QByteArray content = "BT\n/F1 16 Tf\n72 770 Td\n20 TL\n";
    for (const QString& line : textLines)
        content += pdfString(line) + " Tj T*\n";
    return content + "ET\n";
}

} // namespace

QByteArray makePdf(const QStringList& textLines)
{
    const QByteArray content = pageContent(textLines);
    const std::vector<QByteArray> objects = {
        "<< /Type /Catalog /Pages 2 0 R >>",
        "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] "
        "/Resources << /Font << /F1 4 0 R >> >> /Contents 5 0 R >>",
        "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>",
        "<< /Length " + QByteArray::number(content.size()) + " >>\nstream\n" + content + "endstream",
    };
    QByteArray pdf = "%PDF-1.4\n";
    std::vector<qsizetype> offsets;
    for (size_t i = 0; i < objects.size(); ++i) {
        offsets.push_back(pdf.size());
        pdf += QByteArray::number(qulonglong(i + 1)) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const qsizetype xref = pdf.size();
    pdf += "xref\n0 " + QByteArray::number(qulonglong(objects.size() + 1)) + "\n0000000000 65535 f \n";
    for (qsizetype offset : offsets)
        pdf += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    pdf += "trailer\n<< /Size " + QByteArray::number(qulonglong(objects.size() + 1))
           + " /Root 1 0 R >>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
    return pdf;
}

QByteArray makeLogoBitmap()
{
    constexpr int kSide = 32;
    constexpr int kRowBytes = kSide * 3;  // a multiple of 4: no padding
    constexpr int kPixels = kRowBytes * kSide;
    auto little = [](QByteArray& out, quint32 value, int size) {
        for (int i = 0; i < size; ++i)
            out += char((value >> (8 * i)) & 0xFF);
    };
    QByteArray bmp = "BM";
    little(bmp, 54 + kPixels, 4);
    little(bmp, 0, 4);
    little(bmp, 54, 4);
    little(bmp, 40, 4);
    little(bmp, kSide, 4);
    little(bmp, kSide, 4);
    little(bmp, 1, 2);
    little(bmp, 24, 2);
    little(bmp, 0, 4);
    little(bmp, kPixels, 4);
    little(bmp, 2835, 4);
    little(bmp, 2835, 4);
    little(bmp, 0, 4);
    little(bmp, 0, 4);
    // A white "Z" on the office's blue: top and bottom bars and a diagonal.
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            const bool bar = (y >= 4 && y < 8) || (y >= 24 && y < 28);
            const bool diagonal = y >= 8 && y < 24 && x + y >= 30 && x + y <= 34;
            const bool ink = (x >= 4 && x < 28) && (bar || diagonal);
            bmp += ink ? QByteArray("\xFF\xFF\xFF", 3) : QByteArray("\xA0\x50\x10", 3);
        }
    }
    return bmp;
}

} // namespace zv::portal
