// The compile helper: a Java virtual machine that Tavessa keeps running and
// that compiles with the JDK's own compiler in-process, so that a compile no
// longer pays for starting a virtual machine. It prints exactly what javac
// would print for the same file and options, and beside the text each
// diagnostic as data.
//
// Protocol, one request at a time over standard input and output, UTF-8, one
// field per line, values escaped (\\ \n \r \t):
//   in:  compile / dir <folder> / file <name> / encoding <name> / end
//        check / dir <folder> / file <name> / encoding <name> / text <source> / end
//                                          a check of text not yet saved: parsed
//                                          and analysed in memory, nothing written
//   out: text <line>                       a line of the compiler's output
//        diag <kind> <code> <line> <column> <start> <end> <file> <arg>...
//                                          tab-separated, for each diagnostic
//        result ok | result fail            the verdict, last
// At start it prints "ready" once the compiler is warm, or "nocompiler" and
// leaves when the JDK has no compiler module. It leaves when its input ends,
// so it never outlives the program that started it.
import com.sun.tools.javac.api.JavacTaskImpl;
import com.sun.tools.javac.util.DiagnosticSource;
import com.sun.tools.javac.util.JCDiagnostic;
import com.sun.tools.javac.util.Log;

import javax.tools.Diagnostic;
import javax.tools.FileObject;
import javax.tools.ForwardingJavaFileManager;
import javax.tools.JavaCompiler;
import javax.tools.JavaFileManager;
import javax.tools.JavaFileObject;
import javax.tools.SimpleJavaFileObject;
import javax.tools.StandardJavaFileManager;
import javax.tools.ToolProvider;
import java.io.BufferedReader;
import java.io.ByteArrayOutputStream;
import java.io.File;
import java.io.IOException;
import java.io.InputStreamReader;
import java.io.OutputStream;
import java.io.PrintStream;
import java.io.PrintWriter;
import java.io.StringWriter;
import java.net.URI;
import java.nio.charset.Charset;
import java.nio.charset.StandardCharsets;
import java.util.ArrayList;
import java.util.HashMap;
import java.util.List;
import java.util.Locale;
import java.util.Map;

public final class TavessaCompiler {
    private final JavaCompiler compiler;
    private final PrintStream out;

    private TavessaCompiler(JavaCompiler compiler, PrintStream out) {
        this.compiler = compiler;
        this.out = out;
    }

    public static void main(String[] args) throws IOException {
        Locale.setDefault(Locale.ENGLISH);
        PrintStream out = new PrintStream(System.out, false, StandardCharsets.UTF_8);
        JavaCompiler compiler = ToolProvider.getSystemJavaCompiler();
        if (compiler == null) {
            out.println("nocompiler");
            out.flush();
            return;
        }
        TavessaCompiler server = new TavessaCompiler(compiler, out);
        server.warmUp();
        out.println("ready");
        out.flush();
        BufferedReader in = new BufferedReader(new InputStreamReader(System.in, StandardCharsets.UTF_8));
        Map<String, String> request = new HashMap<>();
        boolean checking = false;
        for (String line = in.readLine(); line != null; line = in.readLine()) {
            if (line.equals("compile") || line.equals("check")) {
                request.clear();
                checking = line.equals("check");
            } else if (line.equals("end")) {
                server.compile(request, checking);
                out.flush();
            } else {
                int blank = line.indexOf(' ');
                if (blank > 0)
                    request.put(line.substring(0, blank), HelperText.unescaped(line.substring(blank + 1)));
            }
        }
    }

    // One compile of a class in memory, its class file thrown away: the
    // compiler's classes are loaded and warm before the student's first F9.
    private void warmUp() {
        JavaFileObject source = new SimpleJavaFileObject(URI.create("string:///Aquecimento.java"),
                JavaFileObject.Kind.SOURCE) {
            @Override
            public CharSequence getCharContent(boolean ignoreEncodingErrors) {
                return "import java.util.*;\npublic class Aquecimento {\n"
                        + "  public static void main(String[] args) {\n"
                        + "    List<String> nomes = new ArrayList<>();\n"
                        + "    for (int i = 0; i < 3; i++) nomes.add(\"n\" + i);\n"
                        + "    System.out.println(nomes);\n  }\n}\n";
            }
        };
        StandardJavaFileManager standard = compiler.getStandardFileManager(null, Locale.ENGLISH, null);
        JavaFileManager discarding = new ForwardingJavaFileManager<JavaFileManager>(standard) {
            @Override
            public JavaFileObject getJavaFileForOutput(Location location, String className,
                    JavaFileObject.Kind kind, FileObject sibling) {
                return new SimpleJavaFileObject(URI.create("mem:///" + className + ".class"), kind) {
                    @Override
                    public OutputStream openOutputStream() {
                        return new ByteArrayOutputStream();
                    }
                };
            }
        };
        compiler.getTask(new StringWriter(), discarding, null, List.of("-g"), null, List.of(source)).call();
    }

    private void compile(Map<String, String> request, boolean checking) throws IOException {
        File folder = new File(request.getOrDefault("dir", "."));
        String name = request.getOrDefault("file", "");
        String encoding = request.getOrDefault("encoding", "UTF-8");
        File file = new File(folder, name).getAbsoluteFile();

        StandardJavaFileManager files =
                compiler.getStandardFileManager(null, Locale.ENGLISH, Charset.forName(encoding));
        List<String> options = List.of("-encoding", encoding, "-g", "-classpath", classPath(folder));
        StringWriter text = new StringWriter();
        PrintWriter writer = new PrintWriter(text, true);
        Iterable<? extends JavaFileObject> sources = files.getJavaFileObjects(file);
        if (checking) {
            // The editor's text under the file's own name, so that the
            // messages read as F9's would.
            String source = request.getOrDefault("text", "");
            sources = List.of(new SimpleJavaFileObject(file.toURI(), JavaFileObject.Kind.SOURCE) {
                @Override
                public CharSequence getCharContent(boolean ignoreEncodingErrors) {
                    return source;
                }
            });
        }
        JavacTaskImpl task = (JavacTaskImpl) compiler.getTask(writer, files, null, options, null, sources);
        task.setLocale(Locale.ENGLISH);
        List<String> diagnostics = new ArrayList<>();
        new Recorder(Log.instance(task.getContext()), text, diagnostics, file.getAbsolutePath(), name,
                folder.getAbsolutePath());
        boolean succeeded;
        try {
            // A check writes no class file: it stops after the analysis.
            if (checking) {
                task.analyze();
                succeeded = Log.instance(task.getContext()).nerrors == 0;
            } else {
                succeeded = task.call();
            }
        } catch (RuntimeException | Error failure) {
            // The compiler itself broke: the caller falls back to javac.
            out.println("result broken " + HelperText.escaped(String.valueOf(failure)));
            files.close();
            return;
        }
        files.close();
        writer.flush();
        String[] lines = text.toString().split("\r\n|\n", -1);
        // The output ends with a line break, not with an empty line.
        int count = lines.length > 0 && lines[lines.length - 1].isEmpty() ? lines.length - 1 : lines.length;
        for (int i = 0; i < count; i++)
            out.println("text " + HelperText.escaped(lines[i]));
        for (String diagnostic : diagnostics)
            out.println("diag " + diagnostic);
        out.println(succeeded ? "result ok" : "result fail");
    }

    // javac started in the folder: its CLASSPATH, or the folder itself.
    private static String classPath(File folder) {
        String environment = System.getenv("CLASSPATH");
        if (environment == null || environment.isEmpty())
            return folder.getAbsolutePath();
        StringBuilder path = new StringBuilder();
        for (String entry : environment.split(File.pathSeparator, -1)) {
            if (path.length() > 0)
                path.append(File.pathSeparator);
            File place = new File(entry.isEmpty() ? "." : entry);
            path.append(place.isAbsolute() ? place.getPath() : new File(folder, entry).getPath());
        }
        return path.toString();
    }

    // Sees every diagnostic on its way to the compiler's own printing: keeps
    // it as data, and names the files as javac started in the folder names
    // them (the file as given, the other files of the folder as "./Name").
    private static final class Recorder extends Log.DiagnosticHandler {
        private final StringWriter text;
        private final List<String> diagnostics;
        private final String absoluteFile;
        private final String givenName;
        private final String folderPrefix;

        Recorder(Log log, StringWriter text, List<String> diagnostics, String absoluteFile,
                 String givenName, String folder) {
            this.text = text;
            this.diagnostics = diagnostics;
            this.absoluteFile = absoluteFile;
            this.givenName = givenName;
            this.folderPrefix = folder.endsWith(File.separator) ? folder : folder + File.separator;
            install(log);
        }

        @Override
        public void report(JCDiagnostic diagnostic) {
            StringBuffer buffer = text.getBuffer();
            int start = buffer.length();
            prev.report(diagnostic);
            // What the compiler did not print (a repeat at the same place, one
            // past the limit of errors) is no diagnostic of this compile.
            if (buffer.length() == start)
                return;
            // The first line names the file (at its start, or inside a note).
            int firstEnd = buffer.indexOf("\n", start);
            int end = firstEnd < 0 ? buffer.length() : firstEnd;
            String first = buffer.substring(start, end);
            String renamed = userName(first).replace(absoluteFile, givenName)
                    .replace(folderPrefix, "." + File.separator);
            if (!renamed.equals(first))
                buffer.replace(start, end, renamed);
            diagnostics.add(describe(diagnostic));
        }

        private String userName(String path) {
            if (path.equals(absoluteFile))
                return givenName;
            if (path.startsWith(absoluteFile + ":"))
                return givenName + path.substring(absoluteFile.length());
            if (path.startsWith(folderPrefix))
                return "." + File.separator + path.substring(folderPrefix.length());
            return path;
        }

        // The column in characters, a tab counting one, as editors count it
        // (javac's own column expands tabs to eight).
        private long columnOf(JCDiagnostic d) {
            DiagnosticSource source = d.getDiagnosticSource();
            long position = d.getPosition();
            if (source == null || position == Diagnostic.NOPOS)
                return d.getColumnNumber();
            return source.getColumnNumber((int) position, false);
        }

        private String describe(JCDiagnostic d) {
            JavaFileObject source = d.getSource();
            String file = source == null ? "" : userName(source.getName());
            StringBuilder line = new StringBuilder();
            line.append(d.getKind()).append('\t').append(d.getCode())
                    .append('\t').append(d.getLineNumber()).append('\t').append(columnOf(d))
                    .append('\t').append(d.getStartPosition()).append('\t').append(d.getEndPosition())
                    .append('\t').append(HelperText.escaped(file));
            for (Object argument : d.getArgs())
                line.append('\t').append(HelperText.escaped(String.valueOf(argument)));
            return line.toString();
        }
    }
}
