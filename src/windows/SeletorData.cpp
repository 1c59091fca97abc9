#include "windows/SeletorData.h"

namespace zv::windows {

const QDate SeletorData::kSemData(1900, 1, 1);

SeletorData::SeletorData(QWidget* parent)
    : QDateEdit(parent)
{
    setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    setCalendarPopup(true);
    setMinimumDate(kSemData);
    setSpecialValueText(QStringLiteral(" "));
    limpa();
}

void SeletorData::setData(const std::optional<QDate>& data)
{
    setDate(data && data->isValid() && *data > kSemData ? *data : kSemData);
}

std::optional<QDate> SeletorData::data() const
{
    if (date() <= kSemData)
        return std::nullopt;
    return date();
}

} // namespace zv::windows
