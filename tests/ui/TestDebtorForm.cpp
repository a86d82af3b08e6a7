#include "support/WindowTestSupport.h"

#include "ui/AddDebtorForm.h"
#include "ui/controls/ConstraintedEdit.h"
#include "ui/controls/FieldFault.h"

#include "domain/Debtor.h"
#include "domain/Exception.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

namespace {
const QString Invalid = QStringLiteral("Данные должника введены неверно.");

// Every field of the dialog: its control, its maximum length and the record's field.
struct TField
{
    const char* Edit;
    int MaxLength;
    QString (*Read)(const TDebtor&);
};
const TField Fields[] = {
    {"SurnameEdit", 50, [](const TDebtor& d) { return d.Surname; }},
    {"NameEdit", 50, [](const TDebtor& d) { return d.GetName(); }},
    {"PatronymicNameEdit", 50, [](const TDebtor& d) { return d.PatronymicName; }},
    {"PassportSeriesEdit", 10, [](const TDebtor& d) { return d.PassportSeries; }},
    {"PassportNumberEdit", 10, [](const TDebtor& d) { return d.PassportNumber; }},
    {"PassportInfoEdit", 150, [](const TDebtor& d) { return d.PassportInfo; }},
    {"PostCodeEdit", 15, [](const TDebtor& d) { return d.PostCode; }},
    {"RegionEdit", 100, [](const TDebtor& d) { return d.Region; }},
    {"DistrictEdit", 100, [](const TDebtor& d) { return d.District; }},
    {"CityEdit", 100, [](const TDebtor& d) { return d.City; }},
    {"StreeEdit", 100, [](const TDebtor& d) { return d.Street; }},
    {"BuildingEdit", 10, [](const TDebtor& d) { return d.Building; }},
    {"FlatEdit", 10, [](const TDebtor& d) { return d.Flat; }},
    {"TelephoneEdit", 50, [](const TDebtor& d) { return d.Telephone; }},
};

void FillExisting(TDebtor& debtor)
{
    debtor.SetID(12);
    debtor.Surname = QStringLiteral("Иванов");
    debtor.SetName(QStringLiteral("Пётр"));
    debtor.PatronymicName = QStringLiteral("Сергеевич");
    debtor.PassportSeries = QStringLiteral("0405");
    debtor.PassportNumber = QStringLiteral("123456");
    debtor.City = QStringLiteral("Красноярск");
    debtor.Telephone = QStringLiteral("212-85-06, 8 913 000 00 00");
}

bool SameDebtor(const TDebtor& a, const TDebtor& b)
{
    for (const TField& field : Fields)
        if (field.Read(a) != field.Read(b))
            return false;
    return a.GetID() == b.GetID();
}
}

class TestDebtorForm : public QObject
{
    Q_OBJECT

private slots:
    void MissingDebtorIsRefused()
    {
        TAddDebtorForm form;
        QCOMPARE(RaisedMessage([&] { form.Execute(nullptr, 0); }), QStringLiteral("Должник не задан."));
        QVERIFY(!form.isVisible());
    }

    void ModeSetsTitleAndNote_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("note");
        QTest::newRow("new") << 0 << "Новый должник" << "Введите данные должника.";
        QTest::newRow("edit") << 1 << "Редактирование должника" << "Отредактируйте данные должника.";
        QTest::newRow("other keeps the design") << 2 << "Новый должник" << "Введите данные должника. ";
    }
    void ModeSetsTitleAndNote()
    {
        QFETCH(int, mode);
        QFETCH(QString, title);
        QFETCH(QString, note);
        TDebtor debtor;
        TAddDebtorForm form;
        WhenOpen(&form, [&] {
            QCOMPARE(form.windowTitle(), title);
            QCOMPARE(LabelText(&form, "NoteLabel"), note);
        });
        QVERIFY(!form.Execute(&debtor, mode));
    }

    // Nothing is said before a try; then each missing field is marked and
    // the first of them named, until the last one is typed.
    void NewDebtorNamesTheMissingFieldsAfterATry()
    {
        TDebtor debtor;
        TAddDebtorForm form;
        const auto shakes = FastShakes(form);
        bool accepted = false;
        WhenOpen(&form, [&] {
            for (const TField& field : Fields)
                QVERIFY(Find<QLineEdit>(&form, field.Edit)->text().isEmpty());
            QCOMPARE(LabelText(&form, "ErrorsInfoLabel"), QString());
            PressEnter(Find<QLineEdit>(&form, "TelephoneEdit"));
            QCOMPARE(shakes->count(), 1);
            const std::pair<const char*, const char*> mandatory[] = {
                {"SurnameEdit", "Введите фамилию."},
                {"NameEdit", "Введите имя."},
                {"PassportSeriesEdit", "Введите серию паспорта."},
                {"PassportNumberEdit", "Введите номер паспорта."},
            };
            // The patronymic is left empty: many people have none.
            QCOMPARE(QApplication::focusWidget(), Find<QLineEdit>(&form, "SurnameEdit"));
            for (const auto& [name, reason] : mandatory) {
                auto* edit = Find<QLineEdit>(&form, name);
                QCOMPARE(LabelText(&form, "ErrorsInfoLabel"), Invalid + " " + QString::fromUtf8(reason));
                QCOMPARE(FieldFaultReason(edit), QString::fromUtf8(reason));
                TypeText(edit, QStringLiteral("Я"));
                QVERIFY(!IsFieldAtFault(edit));
            }
            QCOMPARE(LabelText(&form, "ErrorsInfoLabel"), QString());
            for (const TField& field : Fields)
                QVERIFY(!IsFieldAtFault(Find<QLineEdit>(&form, field.Edit)));
            PressEnter(Find<QLineEdit>(&form, "TelephoneEdit"));
            accepted = !form.isVisible() && form.result() == QDialog::Accepted;
        });
        QVERIFY(form.Execute(&debtor, 0));
        QVERIFY(accepted);
        QCOMPARE(debtor.Surname, QStringLiteral("Я"));
        QCOMPARE(debtor.GetName(), QStringLiteral("Я"));
        QCOMPARE(debtor.PassportNumber, QStringLiteral("Я"));
        QCOMPARE(debtor.PatronymicName, QString());
    }

    void RefusedOkShakesAndLeavesTheRecord()
    {
        TDebtor debtor;
        FillExisting(debtor);
        TDebtor original;
        FillExisting(original);
        TAddDebtorForm form;
        const auto shakes = FastShakes(form);
        WhenOpen(&form, [&] {
            QCOMPARE(LabelText(&form, "ErrorsInfoLabel"), QString());
            QCOMPARE(Find<QLineEdit>(&form, "CityEdit")->text(), QStringLiteral("Красноярск"));
            Find<QLineEdit>(&form, "CityEdit")->setText(QStringLiteral("Ачинск"));
            Find<QLineEdit>(&form, "PassportSeriesEdit")->clear();
            QCOMPARE(LabelText(&form, "ErrorsInfoLabel"), QString());
            PressEnter(Find<QLineEdit>(&form, "CityEdit"));
            QCOMPARE(shakes->count(), 1);
            QCOMPARE(LabelText(&form, "ErrorsInfoLabel"), Invalid + QStringLiteral(" Введите серию паспорта."));
            QVERIFY(IsFieldAtFault(Find<QLineEdit>(&form, "PassportSeriesEdit")));
            QVERIFY(!IsFieldAtFault(Find<QLineEdit>(&form, "PassportNumberEdit")));
            QVERIFY(form.isVisible());
            QVERIFY(Find<QPushButton>(&form, "OkButton")->isEnabled());
            QVERIFY(SameDebtor(debtor, original));
        });
        QVERIFY(!form.Execute(&debtor, 1));
        QVERIFY(SameDebtor(debtor, original));
    }

    void CancelAfterEditsLeavesTheRecord()
    {
        TDebtor debtor;
        FillExisting(debtor);
        TDebtor original;
        FillExisting(original);
        TAddDebtorForm form;
        WhenOpen(&form, [&] {
            for (const TField& field : Fields)
                Find<QLineEdit>(&form, field.Edit)->setText(QStringLiteral("другое"));
            const TShownBoxes discard(QMessageBox::Yes);
            QTest::keyClick(&form, Qt::Key_Escape);
            QCOMPARE(discard.Boxes.size(), 1);
        });
        QVERIFY(!form.Execute(&debtor, 1));
        QVERIFY(SameDebtor(debtor, original));
    }

    void TextTheBookCannotHoldIsRefusedWithItsFieldMarked_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("character");
        QTest::newRow("a Korean surname") << "SurnameEdit" << QStringLiteral("Ким 김") << QStringLiteral("김");
        QTest::newRow("a tick in the city") << "CityEdit" << QStringLiteral("Ачинск ✓") << QStringLiteral("✓");
        QTest::newRow("an emoji in the telephone") << "TelephoneEdit" << QStringLiteral("212-85-06 😀 вечером")
                                                   << QStringLiteral("😀");
    }
    void TextTheBookCannotHoldIsRefusedWithItsFieldMarked()
    {
        QFETCH(QString, edit);
        QFETCH(QString, text);
        QFETCH(QString, character);
        TDebtor debtor;
        FillExisting(debtor);
        TDebtor original;
        FillExisting(original);
        TAddDebtorForm form;
        const auto shakes = FastShakes(form);
        WhenOpen(&form, [&] {
            QLineEdit* field = Find<QLineEdit>(&form, edit.toLatin1().constData());
            field->setText(text);
            QTest::mouseClick(Find<QPushButton>(&form, "OkButton"), Qt::LeftButton);
            QVERIFY(form.isVisible());
            QCOMPARE(shakes->count(), 1);
            QCOMPARE(LabelText(&form, "ErrorsInfoLabel"),
                     QStringLiteral("Знак «%1» не может храниться в базе данных: его нет в кодировке Windows-1251. "
                                    "Замените или удалите его.").arg(character));
            QCOMPARE(QApplication::focusWidget(), field);
            QCOMPARE(field->selectedText(), character);
            QVERIFY(IsFieldAtFault(field));
            QCOMPARE(field->text(), text);
            QVERIFY(SameDebtor(debtor, original));
            // Once the character is gone the form closes as usual.
            field->setText(QString(text).remove(character));
            QVERIFY(!IsFieldAtFault(field));
            QTest::mouseClick(Find<QPushButton>(&form, "OkButton"), Qt::LeftButton);
        });
        QVERIFY(form.Execute(&debtor, 1));
        QCOMPARE(shakes->count(), 1);
    }

    // Every field lands in its own place of the record, exactly as typed, and
    // stops taking characters at its limit; a lone blank counts as filled.
    void OkWritesEveryFieldAsTyped()
    {
        TDebtor debtor;
        debtor.SetID(5);
        TAddDebtorForm form;
        WhenOpen(&form, [&] {
            int n = 0;
            for (const TField& field : Fields) {
                const QString text = QStringLiteral(" %1").arg(++n) + QString(200, QLatin1Char('z'));
                TypeText(Find<QLineEdit>(&form, field.Edit), text);
            }
            Find<QLineEdit>(&form, "SurnameEdit")->setText(QStringLiteral(" "));
            QTest::mouseClick(Find<QPushButton>(&form, "OkButton"), Qt::LeftButton);
        });
        QVERIFY(form.Execute(&debtor, 1));
        QCOMPARE(debtor.Surname, QStringLiteral(" "));
        int n = 0;
        for (const TField& field : Fields) {
            const QString typed = QStringLiteral(" %1").arg(++n) + QString(200, QLatin1Char('z'));
            if (QByteArray(field.Edit) != "SurnameEdit")
                QCOMPARE(field.Read(debtor), typed.left(field.MaxLength));
        }
        QCOMPARE(debtor.GetID(), 5);
    }
};

VARNEL_TEST_MAIN(TestDebtorForm)
#include "TestDebtorForm.moc"
