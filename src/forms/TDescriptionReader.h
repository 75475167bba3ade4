#pragma once

#include <QByteArray>
#include <QString>

class QXmlStreamReader;
class TControl;
class TForm;

// Reads one form description into a form. A description is XML:
//
//   <form class="TForm1">
//     <property name="Caption" value="…"/>
//     <control class="TPanel" name="pnl2">
//       <property name="Align" value="alClient"/>
//       <property name="Picture" graphic="TJPEGImage" value="frame/Left.jpg"/>
//       <control …/>
//     </control>
//   </form>
//
// A picture property names its graphic class and a file among the resources
// under :/forms/. Properties and children are applied in stored order; a
// control is given its parent before its own properties. Names bind through
// Qt's meta-object system: a property to a Q_PROPERTY of the control's class
// (PropertyText), a control to the form's field of its name, and an "On…"
// property to the control's signal of that name, connected to the form's
// handler: a slot or Q_INVOKABLE method that takes as many arguments as the
// signal has and that Qt finds fit to take them. Fields and handlers are
// looked up ignoring case, in the form's own class first, then its bases.
class TDescriptionReader {
public:
    explicit TDescriptionReader(TForm& form) : FForm(form) {}

    // Raises EReadError: "Invalid property value" for a bad value or an
    // unknown handler, and other texts for a malformed description.
    void Read(const QByteArray& description);

private:
    void ReadBody(QXmlStreamReader& xml, TControl& target);
    void ReadProperty(QXmlStreamReader& xml, TControl& target);
    void BindEvent(TControl& target, const QString& event, const QString& handlerName);
    void ReadPicture(TControl& target, const QString& name, const QString& graphicClass,
                     const QString& file);
    void ReadControl(QXmlStreamReader& xml, TControl& parent);
    TControl* CreateControl(const QString& className);

    TForm& FForm;
};
