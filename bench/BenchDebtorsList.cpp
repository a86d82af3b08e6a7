#include "BenchDebtorsList.h"

#include "control/SystemController.h"
#include "sqlite/ResultSet.h"

std::vector<TOperation> DebtorsListOperations(TSystemController& controller, const std::vector<int>& rows)
{
    // The list is read anew by every filter, but stays the same object.
    TResultSet& list = *controller.DebtorsList();
    return {
        { QStringLiteral("Главное окно: список должников (F5)"), 1,
          [&controller, &list] {
              controller.ApplyListFilter(0);
              return qint64(list.RowCount());
          } },
        { QStringLiteral("Главное окно: фильтр по ФИО «Ива»"), 1,
          [&controller, &list] {
              controller.ApplyNameFilter(QStringLiteral("Ива"));
              return qint64(list.RowCount());
          } },
        { QStringLiteral("Главное окно: фильтр «Только вероятные задолжники»"), 1,
          [&controller, &list] {
              controller.ApplyListFilter(1);
              return qint64(list.RowCount());
          } },
        { QStringLiteral("Главное окно: выбор должника (кредиты и сведения)"), int(rows.size()),
          [&controller, &list, rows] {
              controller.ApplyListFilter(0);
              qint64 credits = 0;
              const int idColumn = list.ColumnIndex(QStringLiteral("DebtorID"));
              for (const int row : rows) {
                  // As the window's grid tells it a row the user selected.
                  controller.SelectDebtor(int(list.Integer(row, idColumn)));
                  credits += controller.Credits().Count();
              }
              return credits;
          } },
    };
}
