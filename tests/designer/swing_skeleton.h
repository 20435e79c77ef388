#pragma once

#include <QString>
#include <QStringList>

// The code of a new Swing window document number n, as the new-document
// dialog writes it.
inline QStringList swingSkeleton(int n = 1)
{
    const QString N = QString::number(n);
    return {
        "import javax.swing.*;",
        "import java.awt.*;",
        "import java.awt.event.*;",
        "",
        "public class semnome" + N + " extends JFrame{",
        "",
        "public semnome" + N + "(){",
        "       Container JANELA = getContentPane();",
        "       JANELA.setLayout(null);",
        "",
        "       setSize(400,300);",
        "       setVisible(true);",
        "",
        "}",
        "        public static void main(String args[]){",
        "            semnome" + N + " app = new semnome" + N + "();",
        "            app.setDefaultCloseOperation(JFrame.EXIT_ON_CLOSE);",
        "        }",
        "}",
    };
}
