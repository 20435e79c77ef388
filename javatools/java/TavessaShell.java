// The try-it helper: a Java virtual machine that keeps a JShell session, so
// that a student can type a line of Java and see what it gives. The lines run
// in this machine (the session's "local" engine): a line that ends the
// machine ends only this helper, which Tavessa starts again.
//
// Protocol over standard input and output, UTF-8, one message per line,
// fields separated by tabs and escaped (\\ \n \r \t):
//   in:  eval <text>             the student's text: one or more snippets
//        load <text>             a compiled source's imports and classes
//        reset                   a new, empty session
//        stop                    stops the running text (read at any time)
//   out: out <text> / err <text> what the text printed, as it comes
//        value <value> <type>    an expression's value
//        var <name> <value> <type>
//                                a variable declared or assigned
//        defined <kind> <name> <signature> <new|replaced>
//                                a method, class or import
//        unresolved <kind> <name> <missing>...
//                                declared, but it names what is not yet there
//        error <kind> <code> <position> <start> <end> <message> <snippet>
//                                a compile error; positions into <snippet>
//        exception <class> <message> <frame>...
//                                each frame "class|method|file|line"
//        keyboard                the text tried to read the keyboard
//        cut                     its output went past the limit
//        stopped                 stopped by "stop"
//        done                    the end of the answer to one request
// At start it prints "ready" once the session is warm. It prints "exit" when
// the text ended the virtual machine, and leaves when its input ends.
import jdk.jshell.DeclarationSnippet;
import jdk.jshell.Diag;
import jdk.jshell.ErroneousSnippet;
import jdk.jshell.EvalException;
import jdk.jshell.ExpressionSnippet;
import jdk.jshell.JShell;
import jdk.jshell.JShellException;
import jdk.jshell.MethodSnippet;
import jdk.jshell.Snippet;
import jdk.jshell.SnippetEvent;
import jdk.jshell.SourceCodeAnalysis;
import jdk.jshell.TypeDeclSnippet;
import jdk.jshell.UnresolvedReferenceException;
import jdk.jshell.VarSnippet;

import java.io.BufferedReader;
import java.io.FileDescriptor;
import java.io.FileOutputStream;
import java.io.InputStream;
import java.io.InputStreamReader;
import java.io.OutputStream;
import java.io.PrintStream;
import java.nio.charset.StandardCharsets;
import java.util.ArrayList;
import java.util.List;
import java.util.Locale;
import java.util.concurrent.ExecutorService;
import java.util.concurrent.Executors;

public final class TavessaShell {
    private static final String[] IMPORTS = {
        "import java.util.*;", "import java.io.*;", "import java.math.*;",
        "import java.util.function.*;", "import java.util.stream.*;",
    };
    // What one request may print before the rest is dropped.
    private static final int OUTPUT_LIMIT = 1 << 20;

    private static final java.util.regex.Pattern PACKAGE_LINE = java.util.regex.Pattern.compile(
        "\\A(\\s|//[^\n]*\n|/\\*(?s:.*?)\\*/)*package\\s+[\\w.]+\\s*;");

    private final PrintStream protocol;
    private final Printed printedOut = new Printed("out");
    private final Printed printedErr = new Printed("err");
    private volatile JShell shell;
    private volatile boolean stopAsked;
    private volatile boolean keyboardWanted;
    private volatile boolean answering;

    private TavessaShell(PrintStream protocol) {
        this.protocol = protocol;
    }

    public static void main(String[] args) throws Exception {
        PrintStream protocol = new PrintStream(new FileOutputStream(FileDescriptor.out), false,
                                               StandardCharsets.UTF_8);
        TavessaShell server = new TavessaShell(protocol);
        InputStream requests = System.in;
        System.setOut(new PrintStream(server.printedOut, true, StandardCharsets.UTF_8));
        System.setErr(new PrintStream(server.printedErr, true, StandardCharsets.UTF_8));
        System.setIn(server.new Keyboard());
        Runtime.getRuntime().addShutdownHook(new Thread(server::sayExit));
        server.shell = server.newSession();
        java.util.concurrent.ScheduledExecutorService flusher = Executors.newSingleThreadScheduledExecutor(task -> {
            Thread thread = new Thread(task, "tavessa-saida");
            thread.setDaemon(true);
            return thread;
        });
        flusher.scheduleWithFixedDelay(() -> {
            server.printedOut.flushLines();
            server.printedErr.flushLines();
        }, 50, 50, java.util.concurrent.TimeUnit.MILLISECONDS);
        server.send("ready");

        // Requests run one after another on their own thread, so that a stop
        // is read while a text runs.
        ExecutorService worker = Executors.newSingleThreadExecutor();
        BufferedReader in = new BufferedReader(new InputStreamReader(requests, StandardCharsets.UTF_8));
        for (String line = in.readLine(); line != null; line = in.readLine()) {
            String[] fields = HelperText.fields(line);
            String request = fields[0];
            String text = fields.length > 1 ? fields[1] : "";
            if (request.equals("stop")) {
                server.stop();
                continue;
            }
            worker.execute(() -> server.answer(request, text));
        }
        // Tavessa has gone: what was asked may finish, briefly.
        worker.shutdown();
        worker.awaitTermination(5, java.util.concurrent.TimeUnit.SECONDS);
        Runtime.getRuntime().halt(0);
    }

    private JShell newSession() {
        JShell session = JShell.builder().executionEngine("local")
                             .out(System.out).err(System.err).in(System.in).build();
        for (String anImport : IMPORTS)
            session.eval(anImport);
        // The first evaluation warms the compiler and the class loading.
        for (SnippetEvent event : session.eval("int tavessa$aquecimento = 1 + 1;"))
            session.drop(event.snippet());
        return session;
    }

    private void answer(String request, String text) {
        stopAsked = false;
        keyboardWanted = false;
        printedOut.reset();
        printedErr.reset();
        answering = true;
        try {
            switch (request) {
                case "eval" -> evaluate(text, false);
                case "load" -> evaluate(text, true);
                case "reset" -> {
                    shell.close();
                    shell = newSession();
                }
                default -> { }
            }
        } catch (RuntimeException e) {
            send("exception", e.getClass().getName(), String.valueOf(e.getMessage()));
        }
        answering = false;
        System.out.flush();
        System.err.flush();
        printedOut.flushAll();
        printedErr.flushAll();
        if (printedOut.cut || printedErr.cut)
            send("cut");
        if (keyboardWanted)
            send("keyboard");
        if (stopAsked)
            send("stopped");
        send("done");
    }

    // Splits the text into snippets as the session reads them and runs each.
    // A compiled source's package line goes: the session has no packages.
    private void evaluate(String text, boolean loading) {
        SourceCodeAnalysis analysis = shell.sourceCodeAnalysis();
        String remaining = loading ? PACKAGE_LINE.matcher(text).replaceFirst("") : text;
        while (!remaining.isBlank() && !stopAsked) {
            SourceCodeAnalysis.CompletionInfo info = analysis.analyzeCompletion(remaining);
            boolean whole = !info.completeness().isComplete();
            String source = whole ? remaining : info.source();
            remaining = whole ? "" : info.remaining();
            for (SnippetEvent event : shell.eval(source)) {
                if (event.causeSnippet() == null)
                    report(event);
            }
        }
    }

    private void report(SnippetEvent event) {
        // What the snippet printed comes before what it gave.
        System.out.flush();
        System.err.flush();
        printedOut.flushAll();
        printedErr.flushAll();
        Snippet snippet = event.snippet();
        if (event.status() == Snippet.Status.REJECTED) {
            String kind = snippet instanceof ErroneousSnippet erroneous
                              ? erroneous.probableKind().name() : snippet.kind().name();
            shell.diagnostics(snippet).filter(Diag::isError).forEach(diag -> send(
                "error", kind, diag.getCode(), Long.toString(diag.getPosition()),
                Long.toString(diag.getStartPosition()), Long.toString(diag.getEndPosition()),
                diag.getMessage(Locale.ENGLISH), snippet.source()));
            return;
        }
        JShellException exception = event.exception();
        if (exception instanceof UnresolvedReferenceException unresolved) {
            reportUnresolved(unresolved.getSnippet());
            return;
        }
        if (exception != null) {
            reportException(exception);
            return;
        }
        String replaced = event.previousStatus() == Snippet.Status.NONEXISTENT ? "new" : "replaced";
        if (snippet instanceof VarSnippet variable) {
            if (variable.subKind() == Snippet.SubKind.TEMP_VAR_EXPRESSION_SUBKIND)
                send("value", String.valueOf(event.value()), variable.typeName());
            else
                send("var", variable.name(), String.valueOf(event.value()), variable.typeName());
        } else if (snippet instanceof ExpressionSnippet expression) {
            if (expression.subKind() == Snippet.SubKind.ASSIGNMENT_SUBKIND)
                send("var", expression.name(), String.valueOf(event.value()), expression.typeName());
            else
                send("value", String.valueOf(event.value()), expression.typeName());
        } else if (snippet instanceof MethodSnippet method) {
            if (event.status() != Snippet.Status.VALID)
                reportUnresolved(method);
            else
                send("defined", "METHOD", method.name(), method.parameterTypes(), replaced);
        } else if (snippet instanceof TypeDeclSnippet type) {
            if (event.status() != Snippet.Status.VALID)
                reportUnresolved(type);
            else
                send("defined", "TYPE_DECL", type.name(), "", replaced);
        }
    }

    private void reportUnresolved(DeclarationSnippet snippet) {
        List<String> fields = new ArrayList<>(List.of("unresolved", snippet.kind().name(), snippet.name()));
        shell.unresolvedDependencies(snippet).forEach(fields::add);
        send(fields.toArray(String[]::new));
    }

    private void reportException(JShellException exception) {
        String name = exception instanceof EvalException thrown ? thrown.getExceptionClassName()
                                                                : exception.getClass().getName();
        List<String> fields = new ArrayList<>(List.of("exception", name, String.valueOf(exception.getMessage())));
        for (StackTraceElement frame : exception.getStackTrace()) {
            fields.add(frame.getClassName() + "|" + frame.getMethodName() + "|"
                       + String.valueOf(frame.getFileName()) + "|" + frame.getLineNumber());
        }
        send(fields.toArray(String[]::new));
    }

    private void stop() {
        if (!answering)
            return;
        stopAsked = true;
        shell.stop();
    }

    private void sayExit() {
        printedOut.flushAll();
        printedErr.flushAll();
        send("exit");
    }

    private synchronized void send(String... fields) {
        protocol.print(HelperText.line(fields) + '\n');
        protocol.flush();
    }

    // What the text prints: kept as it comes and sent a few times a second,
    // whole lines (a line break never falls inside a character's bytes), or
    // everything once a line grows long; the rest when the request ends.
    private final class Printed extends OutputStream {
        private static final int LONG_LINE = 64 * 1024;
        private final String tag;
        private final java.io.ByteArrayOutputStream pending = new java.io.ByteArrayOutputStream();
        private int total;
        private boolean cut;

        Printed(String tag) {
            this.tag = tag;
        }

        synchronized void reset() {
            pending.reset();
            total = 0;
            cut = false;
        }

        @Override
        public synchronized void write(int b) {
            write(new byte[] {(byte) b}, 0, 1);
        }

        @Override
        public synchronized void write(byte[] bytes, int offset, int length) {
            int room = OUTPUT_LIMIT - total;
            if (length > room) {
                cut = true;
                length = Math.max(room, 0);
            }
            total += length;
            pending.write(bytes, offset, length);
        }

        synchronized void flushLines() {
            if (pending.size() == 0)
                return;
            byte[] all = pending.toByteArray();
            int end = all.length;
            if (end < LONG_LINE) {
                while (end > 0 && all[end - 1] != '\n')
                    end--;
                if (end == 0)
                    return;
            }
            send(tag, new String(all, 0, end, StandardCharsets.UTF_8));
            pending.reset();
            pending.write(all, end, all.length - end);
        }

        synchronized void flushAll() {
            if (pending.size() > 0)
                send(tag, pending.toString(StandardCharsets.UTF_8));
            pending.reset();
        }
    }

    // The keyboard of a text that runs here: there is none, the pane says so.
    private final class Keyboard extends InputStream {
        @Override
        public int read() {
            keyboardWanted = true;
            return -1;
        }

        @Override
        public int read(byte[] bytes, int offset, int length) {
            keyboardWanted = true;
            return -1;
        }
    }
}
