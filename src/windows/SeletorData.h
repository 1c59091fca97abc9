#pragma once
#include <QDateEdit>
#include <optional>

namespace zv::windows {

// A date picker that can also hold no date: it then shows an empty box
// (the picker's lowest date stands for "no date").
class SeletorData : public QDateEdit {
    Q_OBJECT
public:
    explicit SeletorData(QWidget* parent = nullptr);

    void setData(const std::optional<QDate>& data);
    void limpa() { setData(std::nullopt); }
    std::optional<QDate> data() const;
    bool temData() const { return data().has_value(); }

private:
    static const QDate kSemData;
};

} // namespace zv::windows
