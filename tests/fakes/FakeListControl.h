#pragma once

#include "fakes/FakeHook.h"
#include "platform/ListControl.h"

#include <QList>
#include <QStringList>

class FakeListControl final : public ListControl
{
public:
    ~FakeListControl() override;
    struct Row
    {
        QString text;
        QStringList subItems;
        bool checked = false;
    };

    explicit FakeListControl(bool checkBoxes = false)
        : m_checkBoxes(checkBoxes)
    {}

    int count() const override;
    QString text(int row) const override;
    void setText(int row, const QString& text) override;
    QString subItem(int row, int n) const override;
    void setSubItem(int row, int n, const QString& text) override;
    int add(const QString& text) override;
    void remove(int row) override;
    void clear() override;
    int selectedIndex() const override;
    bool isChecked(int row) const override;
    void setChecked(int row, bool checked) override;
    void ensureVisible(int row) override;
    int columnCount() const override;
    QString columnHeader(int column) const override;
    int addColumnHeader(const QString& text) override;
    int columnWidth(int column) const override;
    void setColumnWidth(int column, int twips) override;

    // Test helpers, outside the interface.
    void select(int row) { m_selected = row; }
    bool hasCheckBoxes() const { return m_checkBoxes; }
    QStringList texts() const;
    const QList<int>& scrolledIntoView() const { return m_scrolled; }
    FakeHook hook{"FakeListControl",
                  {u"count", u"text", u"setText", u"subItem", u"setSubItem", u"add", u"remove",
                   u"clear", u"selectedIndex", u"isChecked", u"setChecked", u"ensureVisible",
                   u"columnCount", u"columnHeader", u"addColumnHeader", u"setColumnWidth"}};

private:
    const Row& rowAt(int row) const;
    Row& rowAt(int row);

    bool m_checkBoxes;
    QList<Row> m_rows;
    QStringList m_headers;
    QList<int> m_widths;
    QList<int> m_scrolled;
    int m_selected = 0;
};
