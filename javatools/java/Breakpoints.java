// The program's breakpoints by source file and line, and the one-time stop
// of "Executar até aqui". A breakpoint on a line without code stands on the
// next line that has code (the class files' line tables say which), and
// Tavessa is told so; after the file's last code it is dropped. Read by the
// event loop too, when a class is prepared.
import com.sun.jdi.AbsentInformationException;
import com.sun.jdi.Location;
import com.sun.jdi.Method;
import com.sun.jdi.ReferenceType;
import com.sun.jdi.VirtualMachine;
import com.sun.jdi.request.BreakpointRequest;
import com.sun.jdi.request.EventRequestManager;
import java.io.File;
import java.util.ArrayList;
import java.util.Map;
import java.util.Set;
import java.util.TreeSet;
import java.util.concurrent.ConcurrentHashMap;

final class Breakpoints {
    static final String START = "start"; // the first line of main, when there is no breakpoint
    static final String UNTIL = "until";

    private final Map<String, Set<Integer>> lines = new ConcurrentHashMap<>();
    private final Map<String, Set<Integer>> until = new ConcurrentHashMap<>();
    private final FrameRows.Wire wire;
    private volatile Map<String, Set<Integer>> codeLines = Map.of();
    private volatile String mainClass = "";
    private volatile VirtualMachine vm;

    Breakpoints(FrameRows.Wire wire) {
        this.wire = wire;
    }

    void setFolder(File folder) {
        codeLines = LineTable.of(folder);
    }

    void setMainClass(String name) {
        mainClass = name;
    }

    void attached(VirtualMachine vm) {
        this.vm = vm;
    }

    // The line a breakpoint stops at: its own when it has code, else the
    // next one that has; 0 after the file's last code.
    private int codeLineFrom(String file, int line) {
        Integer next = new TreeSet<>(codeLines.getOrDefault(file, Set.of())).ceiling(line);
        return next == null ? 0 : next;
    }

    void add(String file, int line) {
        int at = codeLineFrom(file, line);
        if (at == 0) {
            wire.send("nocode", file, String.valueOf(line));
            return;
        }
        if (at != line)
            wire.send("moved", file, String.valueOf(line), String.valueOf(at));
        if (!lines.computeIfAbsent(file, k -> ConcurrentHashMap.newKeySet()).add(at) || vm == null)
            return;
        requestInLoaded(file, at, null);
    }

    // `line` as the breakpoint stands now (where a move took it).
    void clear(String file, int line) {
        int at = line;
        Set<Integer> set = lines.get(file);
        if (set == null || !set.remove(at) || vm == null)
            return;
        if (set.isEmpty())
            lines.remove(file);
        EventRequestManager requests = vm.eventRequestManager();
        for (BreakpointRequest request : new ArrayList<>(requests.breakpointRequests())) {
            Location where = request.location();
            if (request.getProperty(START) == null && request.getProperty(UNTIL) == null
                && where.lineNumber() == at && file.equals(sourceOf(where)))
                requests.deleteEventRequest(request);
        }
    }

    // Run to the caret's line: a breakpoint that goes at the next stop.
    // Whether the program may go on to it.
    boolean runTo(String file, int line) {
        int at = codeLineFrom(file, line);
        if (at == 0) {
            wire.send("nocode", file, String.valueOf(line));
            return false;
        }
        until.computeIfAbsent(file, k -> ConcurrentHashMap.newKeySet()).add(at);
        if (vm != null)
            requestInLoaded(file, at, UNTIL);
        return true;
    }

    // A stop: the run to a line is over, whichever stop it was.
    void stopped() {
        EventRequestManager requests = vm.eventRequestManager();
        for (BreakpointRequest request : new ArrayList<>(requests.breakpointRequests()))
            if (request.getProperty(UNTIL) != null)
                requests.deleteEventRequest(request);
        until.clear();
    }

    // A class of the program is ready: its breakpoints, and the first line
    // of main when there are none.
    void prepared(ReferenceType type) {
        String source = sourceOf(type);
        if (source.isEmpty())
            return;
        for (int line : lines.getOrDefault(source, Set.of()))
            request(type, line, null);
        for (int line : until.getOrDefault(source, Set.of()))
            request(type, line, UNTIL);
        if (!lines.isEmpty() || !until.isEmpty() || !type.name().equals(mainClass))
            return;
        for (Method method : type.methodsByName("main")) {
            if (method.isStatic() && method.location() != null) {
                BreakpointRequest start = type.virtualMachine().eventRequestManager()
                                              .createBreakpointRequest(method.location());
                start.putProperty(START, Boolean.TRUE);
                start.addCountFilter(1);
                start.enable();
            }
        }
    }

    private void requestInLoaded(String file, int line, String property) {
        for (ReferenceType type : vm.allClasses())
            if (file.equals(sourceOf(type)))
                request(type, line, property);
    }

    private void request(ReferenceType type, int line, String property) {
        try {
            for (Location at : type.locationsOfLine(line)) {
                BreakpointRequest request = type.virtualMachine().eventRequestManager().createBreakpointRequest(at);
                if (property != null)
                    request.putProperty(property, Boolean.TRUE);
                request.enable();
            }
        } catch (AbsentInformationException e) {
            // No lines in this class.
        }
    }

    static String sourceOf(ReferenceType type) {
        try {
            return type.sourceName();
        } catch (AbsentInformationException e) {
            return "";
        }
    }

    static String sourceOf(Location at) {
        try {
            return at.sourceName();
        } catch (AbsentInformationException e) {
            return "";
        }
    }
}
