// The Qt Designer plugin that puts TWykres on the widget box page "Samples", so forms
// hold charts whose settings Designer edits and stores by name.
#pragma once

#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

class TWtyczkaWykresu final : public QObject, public QDesignerCustomWidgetInterface {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetInterface")
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    explicit TWtyczkaWykresu(QObject* rodzic = nullptr);

    QString name() const override;
    QString group() const override;
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override;
    QIcon icon() const override;
    bool isContainer() const override;
    QWidget* createWidget(QWidget* rodzic) override;
    bool isInitialized() const override;
    void initialize(QDesignerFormEditorInterface* edytor) override;
    QString domXml() const override;

private:
    bool Zainicjowana = false;
};
