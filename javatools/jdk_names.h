#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// The classes of the JDK that first programs use, with their methods and
// attributes (nomes_do_java.txt): what the mistake finder compares an unknown
// name with, and how it knows a method from a variable.
class JdkNames
{
public:
    struct Member
    {
        QString owner;   // the class
        bool isStatic = false;
        bool isMethod = true;
    };

    // The list built into the program.
    static const JdkNames &standard();
    explicit JdkNames(const QString &text);

    bool isClass(const QString &name) const { return m_classes.contains(name); }
    // Every class and member name, the most used first.
    const QStringList &allNames() const { return m_all; }
    // The classes that have a member of this name, the most used first.
    QList<Member> membersNamed(const QString &name) const { return m_members.value(name); }
    bool isMethod(const QString &name) const;
    // How a class's instance methods are reached when the program has no
    // object of it ("System.out", "um Scanner, como entrada"); empty if unsaid.
    QString objectOf(const QString &className) const { return m_objects.value(className); }

private:
    QStringList m_all;
    QStringList m_classes;
    QHash<QString, QList<Member>> m_members;
    QHash<QString, QString> m_objects;
};
