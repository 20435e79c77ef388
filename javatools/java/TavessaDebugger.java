// The debugger helper: attaches with the JDK's debug interface (jdk.jdi) to a
// student's program that Tavessa started, suspended, with a debug agent, and
// tells Tavessa where the program stopped and what its variables hold.
//
// Protocol over standard input and output, UTF-8, one message per line,
// fields separated by tabs, values escaped (\\ \n \r \t):
//   in:  folder <path>               the program's folder (its sources and classes)
//        main <class>                the class whose main starts the program
//        break <file> <line>         a breakpoint (before attach or while attached)
//        clear <file> <line>         no breakpoint there any more
//        attach <port>               attach and let the program run
//        over | into | out           one step (into: the student's methods only)
//        continue                    run to the next breakpoint
//        frame <n>                   the variables of frame n of the stop
//        expand <id> <first>         elements or fields of a value, 100 at most
//   out: attached | nojdi | error <text> | ended | running
//        nocode <file> <line>        a breakpoint on a line without code, dropped
//        stopped <reason> <file> <line> <frame>
//                                    reason: start, breakpoint, step, exception;
//                                    frame: the stack frame shown first
//        exception <text>            before "stopped exception": what toString says
//        frame <class> <method> <file> <line>    the stack, top first, then end
//        vars frame <n> | vars expand <id>       a list of variables follows:
//        var <name> <type> <value> <id>          id 0: nothing to expand
//        more <id> <next>            the value has more elements from <next>
//        end                         after each stack and each list of variables
// It leaves when its input ends or the program ends.
import com.sun.jdi.AbsentInformationException;
import com.sun.jdi.ArrayReference;
import com.sun.jdi.Bootstrap;
import com.sun.jdi.ClassType;
import com.sun.jdi.Field;
import com.sun.jdi.IncompatibleThreadStateException;
import com.sun.jdi.LocalVariable;
import com.sun.jdi.Location;
import com.sun.jdi.Method;
import com.sun.jdi.ObjectReference;
import com.sun.jdi.ReferenceType;
import com.sun.jdi.StackFrame;
import com.sun.jdi.StringReference;
import com.sun.jdi.ThreadReference;
import com.sun.jdi.Value;
import com.sun.jdi.VirtualMachine;
import com.sun.jdi.connect.AttachingConnector;
import com.sun.jdi.connect.Connector;
import com.sun.jdi.event.BreakpointEvent;
import com.sun.jdi.event.ClassPrepareEvent;
import com.sun.jdi.event.Event;
import com.sun.jdi.event.EventSet;
import com.sun.jdi.event.ExceptionEvent;
import com.sun.jdi.event.LocatableEvent;
import com.sun.jdi.event.VMDeathEvent;
import com.sun.jdi.event.VMDisconnectEvent;
import com.sun.jdi.event.VMStartEvent;
import com.sun.jdi.request.BreakpointRequest;
import com.sun.jdi.request.ClassPrepareRequest;
import com.sun.jdi.request.EventRequest;
import com.sun.jdi.request.EventRequestManager;
import com.sun.jdi.request.ExceptionRequest;
import com.sun.jdi.request.StepRequest;
import java.io.BufferedReader;
import java.io.File;
import java.io.InputStreamReader;
import java.io.PrintStream;
import java.nio.charset.StandardCharsets;
import java.util.ArrayList;
import java.util.HashMap;
import java.util.HashSet;
import java.util.List;
import java.util.Map;
import java.util.Set;

public final class TavessaDebugger {
    private static final String[] JDK = {"java.*", "javax.*", "jdk.*", "sun.*", "com.sun.*"};
    private static final int PAGE = 100;
    private boolean waitingNoted = false; // "input" sent since the program last went on

    private final PrintStream out = new PrintStream(System.out, false, StandardCharsets.UTF_8);
    private final Map<String, Set<Integer>> breakpoints = new HashMap<>();
    private final Map<Long, Value> values = new HashMap<>();
    private File folder = new File(".");
    private Set<String> sources = new HashSet<>();
    private String mainClass = "";
    private VirtualMachine vm;
    private ThreadReference thread; // the thread of the last stop
    private List<StackFrame> frames = new ArrayList<>();

    public static void main(String[] args) throws Exception {
        new TavessaDebugger().serve();
    }

    private void serve() throws Exception {
        BufferedReader in = new BufferedReader(new InputStreamReader(System.in, StandardCharsets.UTF_8));
        for (String line = in.readLine(); line != null; line = in.readLine()) {
            String[] f = HelperText.fields(line);
            try {
                command(f);
            } catch (Exception e) {
                send("error", String.valueOf(e));
            }
        }
        // The input closes when Tavessa ends, however it ends: the program
        // goes with it rather than run on, resumed, with nobody to stop it.
        if (vm != null) {
            try {
                vm.exit(1);
            } catch (RuntimeException e) {
                // Already gone.
            }
        }
        System.exit(0);
    }

    private synchronized void command(String[] f) throws Exception {
        switch (f[0]) {
            case "folder" -> {
                folder = new File(f[1]);
                String[] names = folder.list((dir, name) -> name.endsWith(".java"));
                sources = new HashSet<>(names == null ? List.of() : List.of(names));
            }
            case "main" -> mainClass = f[1];
            case "break" -> addBreakpoint(f[1], Integer.parseInt(f[2]));
            case "clear" -> clearBreakpoint(f[1], Integer.parseInt(f[2]));
            case "attach" -> attach(f[1]);
            case "over" -> step(StepRequest.STEP_OVER);
            case "into" -> step(StepRequest.STEP_INTO);
            case "out" -> step(StepRequest.STEP_OUT);
            case "continue" -> resume();
            case "frame" -> variables(Integer.parseInt(f[1]));
            case "expand" -> expand(Long.parseLong(f[1]), Integer.parseInt(f[2]));
            default -> send("error", "unknown command " + f[0]);
        }
        out.flush();
    }

    private void addBreakpoint(String file, int line) {
        Set<Integer> code = LineTable.of(folder).getOrDefault(file, Set.of());
        if (!code.contains(line)) {
            send("nocode", file, String.valueOf(line));
            return;
        }
        if (!breakpoints.computeIfAbsent(file, k -> new HashSet<>()).add(line) || vm == null)
            return;
        for (ReferenceType type : vm.allClasses())
            if (file.equals(sourceOf(type)))
                request(type, line);
    }

    private void clearBreakpoint(String file, int line) {
        Set<Integer> lines = breakpoints.get(file);
        if (lines == null || !lines.remove(line) || vm == null)
            return;
        if (lines.isEmpty())
            breakpoints.remove(file);
        EventRequestManager requests = vm.eventRequestManager();
        for (BreakpointRequest request : new ArrayList<>(requests.breakpointRequests())) {
            Location at = request.location();
            if (request.getProperty("start") == null && at.lineNumber() == line && file.equals(sourceOf(at)))
                requests.deleteEventRequest(request);
        }
    }

    private void request(ReferenceType type, int line) {
        try {
            for (Location at : type.locationsOfLine(line))
                vm.eventRequestManager().createBreakpointRequest(at).enable();
        } catch (AbsentInformationException e) {
            // No lines in this class.
        }
    }

    private void attach(String port) throws Exception {
        AttachingConnector socket = null;
        for (AttachingConnector c : Bootstrap.virtualMachineManager().attachingConnectors())
            if (c.transport().name().equals("dt_socket"))
                socket = c;
        if (socket == null) {
            send("nojdi");
            return;
        }
        Map<String, Connector.Argument> arguments = socket.defaultArguments();
        arguments.get("hostname").setValue("127.0.0.1");
        arguments.get("port").setValue(port);
        vm = socket.attach(arguments);
        EventRequestManager requests = vm.eventRequestManager();
        ClassPrepareRequest prepare = requests.createClassPrepareRequest();
        for (String pattern : JDK)
            prepare.addClassExclusionFilter(pattern);
        prepare.setSuspendPolicy(EventRequest.SUSPEND_ALL);
        prepare.enable();
        ExceptionRequest uncaught = requests.createExceptionRequest(null, false, true);
        uncaught.setSuspendPolicy(EventRequest.SUSPEND_ALL);
        uncaught.enable();
        // Classes loaded before the request was made.
        for (ReferenceType type : vm.allClasses())
            prepared(type);
        Thread events = new Thread(this::events, "eventos");
        events.setDaemon(true);
        events.start();
        Thread watcher = new Thread(this::watchInput, "entrada");
        watcher.setDaemon(true);
        watcher.start();
        send("attached");
        vm.resume();
    }

    private void events() {
        try {
            while (true) {
                EventSet set = vm.eventQueue().remove();
                boolean stop = false;
                synchronized (this) {
                    for (Event event : set) {
                        if (event instanceof VMDeathEvent || event instanceof VMDisconnectEvent) {
                            send("ended");
                            out.flush();
                            System.exit(0);
                        }
                        // The start's suspension is the one attach resumes;
                        // resuming it here too could let a later one go.
                        if (event instanceof VMStartEvent)
                            stop = true;
                        else if (event instanceof ClassPrepareEvent prepare)
                            prepared(prepare.referenceType());
                        else if (event instanceof LocatableEvent located && !stop)
                            stop = stopped(located); // one stop per set: a step may end on a breakpoint
                    }
                    out.flush();
                }
                if (!stop)
                    set.resume();
            }
        } catch (InterruptedException | com.sun.jdi.VMDisconnectedException e) {
            send("ended");
            out.flush();
            System.exit(0);
        }
    }

    // A class of the program is ready: its breakpoints, and the first line
    // of main when there are none.
    private void prepared(ReferenceType type) {
        String source = sourceOf(type);
        if (source.isEmpty())
            return;
        EventRequestManager requests = vm.eventRequestManager();
        for (int line : breakpoints.getOrDefault(source, Set.of()))
            request(type, line);
        if (breakpoints.isEmpty() && type.name().equals(mainClass)) {
            for (Method method : type.methodsByName("main")) {
                if (method.isStatic() && method.location() != null) {
                    BreakpointRequest start = requests.createBreakpointRequest(method.location());
                    start.putProperty("start", Boolean.TRUE);
                    start.addCountFilter(1);
                    start.enable();
                }
            }
        }
    }

    private boolean stopped(LocatableEvent event) {
        String reason = "step";
        if (event instanceof BreakpointEvent)
            reason = event.request().getProperty("start") != null ? "start" : "breakpoint";
        // A step that a breakpoint interrupted must not fire later.
        EventRequestManager requests = vm.eventRequestManager();
        requests.deleteEventRequests(requests.stepRequests());
        thread = event.thread();
        if (event instanceof ExceptionEvent exception) {
            reason = "exception";
            send("exception", describe(exception.exception()));
        }
        try {
            frames = thread.frames();
        } catch (IncompatibleThreadStateException e) {
            return false;
        }
        // The frame shown: the deepest one in the student's own code.
        int shown = 0;
        while (shown < frames.size() && !isStudents(frames.get(shown).location()))
            ++shown;
        if (shown == frames.size())
            shown = 0;
        Location at = frames.get(shown).location();
        send("stopped", reason, sourceOf(at), String.valueOf(at.lineNumber()), String.valueOf(shown));
        for (StackFrame frame : frames) {
            Location l = frame.location();
            send("frame", l.declaringType().name(), l.method().name(), sourceOf(l), String.valueOf(l.lineNumber()));
        }
        send("end");
        variables(shown);
        return true;
    }

    private boolean isStudents(Location at) {
        return sources.contains(sourceOf(at));
    }

    private static String sourceOf(ReferenceType type) {
        try {
            return type.sourceName();
        } catch (AbsentInformationException e) {
            return "";
        }
    }

    private static String sourceOf(Location at) {
        try {
            return at.sourceName();
        } catch (AbsentInformationException e) {
            return "";
        }
    }

    // What the exception's toString says, read from its fields: running code
    // in the stopped program from this thread could wait on events that only
    // this thread would handle.
    private static String describe(ObjectReference exception) {
        String name = exception.referenceType().name();
        Field message = exception.referenceType().fieldByName("detailMessage");
        Value text = message == null ? null : exception.getValue(message);
        return text instanceof StringReference s ? name + ": " + s.value() : name;
    }

    private void step(int depth) {
        if (thread == null)
            return;
        EventRequestManager requests = vm.eventRequestManager();
        requests.deleteEventRequests(requests.stepRequests());
        StepRequest step = requests.createStepRequest(thread, StepRequest.STEP_LINE, depth);
        for (String pattern : JDK)
            step.addClassExclusionFilter(pattern);
        step.addCountFilter(1);
        step.setSuspendPolicy(EventRequest.SUSPEND_ALL);
        step.enable();
        resume();
    }

    // While the program runs, whether a thread of it waits in a read of the
    // standard input: the student must type in the console, and nothing
    // else would tell them. Looked at a few times a second, each thread
    // suspended only for the look.
    private void watchInput() {
        try {
            while (true) {
                Thread.sleep(300);
                synchronized (this) {
                    if (vm == null || thread != null)
                        continue;
                    boolean waiting = false;
                    for (ThreadReference t : vm.allThreads())
                        waiting |= readsInput(t);
                    if (waiting != waitingNoted) {
                        waitingNoted = waiting;
                        send(waiting ? "input" : "running");
                        out.flush();
                    }
                }
            }
        } catch (InterruptedException | com.sun.jdi.VMDisconnectedException e) {
            // The program is gone.
        }
    }

    private static boolean readsInput(ThreadReference t) {
        if (t.status() != ThreadReference.THREAD_STATUS_RUNNING || t.isSuspended())
            return false;
        t.suspend();
        try {
            int count = Math.min(t.frameCount(), 8);
            for (StackFrame frame : t.frames(0, count)) {
                Location at = frame.location();
                if (at.declaringType().name().equals("java.io.FileInputStream") && at.method().name().startsWith("read"))
                    return true;
            }
            return false;
        } catch (IncompatibleThreadStateException e) {
            return false;
        } finally {
            t.resume();
        }
    }

    private void resume() {
        if (vm == null)
            return;
        thread = null;
        values.clear();
        waitingNoted = false;
        send("running");
        vm.resume();
    }

    // Locals first, then this's fields, then the class's static fields.
    private void variables(int index) {
        send("vars", "frame", String.valueOf(index));
        if (thread == null || index < 0 || index >= frames.size()) {
            send("end");
            return;
        }
        StackFrame frame = frames.get(index);
        try {
            for (LocalVariable local : frame.visibleVariables())
                variable(local.name(), local.typeName(), frame.getValue(local));
        } catch (AbsentInformationException e) {
            // Compiled without -g: no names to show.
        }
        ObjectReference self = frame.thisObject();
        if (self != null)
            fields(self, "this.");
        ReferenceType type = frame.location().declaringType();
        for (Field field : type.fields())
            if (field.isStatic() && !field.isSynthetic())
                variable(type.name() + "." + field.name(), field.typeName(), type.getValue(field));
        send("end");
    }

    private void expand(long id, int first) {
        send("vars", "expand", String.valueOf(id));
        Value value = values.get(id);
        if (value instanceof ArrayReference array) {
            int last = Math.min(array.length(), first + PAGE);
            List<Value> items = last > first ? array.getValues(first, last - first) : List.of();
            String type = array.referenceType().name().replaceFirst("\\[\\]$", "");
            for (int i = 0; i < items.size(); ++i)
                variable("[" + (first + i) + "]", type, items.get(i));
            if (last < array.length())
                send("more", String.valueOf(id), String.valueOf(last));
        } else if (value instanceof ObjectReference object && id < 0) {
            // The fields a student's class inherits from the JDK's, each name once.
            Set<String> shown = new HashSet<>();
            for (Field field : object.referenceType().allFields())
                if (!field.isStatic() && !field.isSynthetic() && isJdk(field.declaringType())
                    && shown.add(field.name()))
                    variable(field.name(), field.typeName(), object.getValue(field));
        } else if (value instanceof ObjectReference object) {
            fields(object, "");
        }
        send("end");
    }

    private static boolean isJdk(ReferenceType type) {
        String name = type.name();
        for (String pattern : JDK)
            if (name.startsWith(pattern.substring(0, pattern.length() - 1)))
                return true;
        return false;
    }

    // An object's fields. One of a student's class shows its own fields, and
    // those it inherits from the JDK's classes (a JFrame's hundred and more)
    // behind one row that opens into them.
    private void fields(ObjectReference object, String prefix) {
        boolean students = !isJdk(object.referenceType());
        int inherited = 0;
        for (Field field : object.referenceType().allFields()) {
            if (field.isStatic() || field.isSynthetic())
                continue;
            if (students && isJdk(field.declaringType()))
                ++inherited;
            else
                variable(prefix + field.name(), field.typeName(), object.getValue(field));
        }
        if (inherited == 0)
            return;
        String from = "";
        for (ReferenceType type = object.referenceType(); type instanceof ClassType c; type = c.superclass()) {
            if (isJdk(type)) {
                from = type.name().substring(type.name().lastIndexOf('.') + 1);
                break;
            }
        }
        long id = -object.uniqueID();
        values.put(id, object);
        send("var", prefix + "(herdados de " + from + ")", "", inherited + " campos", String.valueOf(id));
    }

    private void variable(String name, String type, Value value) {
        long id = ValueText.opens(value) ? ((ObjectReference) value).uniqueID() : 0;
        if (id != 0)
            values.put(id, value);
        send("var", name, type, ValueText.of(value), String.valueOf(id));
    }

    private synchronized void send(String... fields) {
        out.println(HelperText.line(fields));
    }
}
